// Every fixed identifier of the control library, in one table: the type library, the control
// class with its default interface and its event interface, the drag-and-drop data object, and
// the three property-page classes with their interfaces, each with the name the type library
// gives it. Chosen once; never change them, since containers save the class identifier with
// their forms and compiled clients carry the interface identifiers.
#pragma once

#include <guiddef.h>

#include <array>
#include <string>
#include <string_view>

namespace kovra::activex {

struct NamedId {
  std::wstring_view name;
  GUID id;
};

// {F1E299EF-8B3F-4832-A66F-4162BF820CF4}: the type library (named by the core's table).
inline constexpr GUID kLibraryId{
    0xF1E299EF, 0x8B3F, 0x4832, {0xA6, 0x6F, 0x41, 0x62, 0xBF, 0x82, 0x0C, 0xF4}};
inline constexpr unsigned short kLibraryMajorVersion = 1;
inline constexpr unsigned short kLibraryMinorVersion = 0;

inline constexpr NamedId kControlClass{
    L"KovraDouble", {0x7AE3B1C6, 0xF106, 0x458F, {0xAD, 0x2F, 0x4B, 0x2B, 0x68, 0x9A, 0xF8, 0x4E}}};
inline constexpr NamedId kControlInterface{
    L"_KovraDouble",
    {0x15B7BA90, 0x69E9, 0x4CCF, {0xBD, 0xCA, 0x75, 0x8A, 0xF2, 0x25, 0x7E, 0x32}}};
inline constexpr NamedId kEventInterface{
    L"__KovraDouble",
    {0xEB23E966, 0xE435, 0x42AA, {0xBE, 0x2E, 0xF0, 0x53, 0x13, 0x3B, 0xF4, 0x3A}}};
// The data of the drag-and-drop events.
inline constexpr NamedId kDataObjectInterface{
    L"DataObject", {0x361B746F, 0xFD07, 0x4E88, {0x84, 0xE5, 0x23, 0x84, 0x0D, 0xA8, 0x4B, 0x93}}};

// A property-page class and its (empty) default interface.
struct PageIdentity {
  NamedId pageClass;
  NamedId pageInterface;
};

// The pages in the order the designer shows them.
inline constexpr std::array<PageIdentity, 3> kPages{{
    {{L"DoubleGeneral",
      {0x5FC99E1D, 0xE0E6, 0x467D, {0x9C, 0x8C, 0x4E, 0x9A, 0x82, 0x8E, 0x8B, 0x60}}},
     {L"_DoubleGeneral",
      {0x495B4A54, 0x779F, 0x4A10, {0x87, 0x84, 0xD9, 0x08, 0xE4, 0x81, 0x32, 0x48}}}},
    {{L"XP", {0x80EBD188, 0x17B5, 0x452B, {0xA0, 0xB3, 0x76, 0x53, 0x3F, 0x1A, 0xD0, 0x96}}},
     {L"_XP", {0x9EE42255, 0xDFA8, 0x45F6, {0xA6, 0x00, 0x21, 0xCA, 0xC0, 0x9A, 0x82, 0x2D}}}},
    {{L"DoubleFormat",
      {0x2FF4DF03, 0x7AAA, 0x400D, {0x94, 0xAF, 0x61, 0xB9, 0x53, 0x62, 0x1D, 0x84}}},
     {L"_DoubleFormat",
      {0xB794DAF7, 0x2668, 0x4D8C, {0xAD, 0x66, 0x17, 0x1E, 0xEF, 0x27, 0x38, 0x4B}}}},
}};

// The system's standard property pages, which the control lists after its own, in the order the
// designer shows them ("StandardColor", "StandardFont", "StandardPicture": the Windows SDK's
// CLSID_StockColorPage, CLSID_StockFontPage and CLSID_StockPicturePage, which MinGW lacks).
inline constexpr std::array<NamedId, 3> kStandardPages{{
    {L"StandardColor",
     {0x7EBDAAE1, 0x8120, 0x11CF, {0x89, 0x9F, 0x00, 0xAA, 0x00, 0x68, 0x8B, 0x10}}},
    {L"StandardFont",
     {0x7EBDAAE0, 0x8120, 0x11CF, {0x89, 0x9F, 0x00, 0xAA, 0x00, 0x68, 0x8B, 0x10}}},
    {L"StandardPicture",
     {0x7EBDAAE2, 0x8120, 0x11CF, {0x89, 0x9F, 0x00, 0xAA, 0x00, 0x68, 0x8B, 0x10}}},
}};

// The registry form of an identifier: "{7AE3B1C6-F106-458F-AD2F-4B2B689AF84E}".
std::wstring GuidText(const GUID& id);

}  // namespace kovra::activex
