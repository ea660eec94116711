// The data of an OLE drag-and-drop, by clipboard format, as the drag events carry it.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace kovra {

struct DataObject {
  std::map<std::int16_t, std::wstring> data;  // format (1: text) → contents
};

}  // namespace kovra
