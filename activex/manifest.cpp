#include "activex/manifest.h"

#include <sstream>

#include "activex/identifiers.h"
#include "activex/registration_table.h"
#include "base/version.h"

namespace kovra::activex {
namespace {

// The automation marshaler, which marshals the dual and dispatch interfaces from the library.
constexpr std::string_view kAutomationMarshaler = "{00020424-0000-0000-C000-000000000046}";
constexpr std::string_view kDispatchInterface = "{00020400-0000-0000-C000-000000000046}";

// Every text of the manifest is plain ASCII.
std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

std::string Id(const GUID& id) { return Narrow(GuidText(id)); }

std::string MiscStatusNames() {
  std::string names;
  for (const MiscStatusBit& bit : kMiscStatusBits) {
    if (!names.empty()) names += ',';
    names += Narrow(bit.manifestName);
  }
  return names;
}

}  // namespace

std::string ManifestText(std::wstring_view architecture) {
  using namespace kovra::version;
  const std::string library = Id(kLibraryId);
  const std::string apartment = Narrow(kThreadingModel);
  std::ostringstream out;
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      << "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\n"
      << "  <assemblyIdentity type=\"win32\" name=\"" << Narrow(kAssemblyName) << "\" version=\""
      << kMajor << '.' << kMinor << ".0." << kRevision << "\" processorArchitecture=\""
      << Narrow(architecture) << "\"/>\n"
      << "  <file name=\"" << Narrow(kLibraryFileName) << "\">\n"
      << "    <comClass clsid=\"" << Id(kControlClass.id) << "\" threadingModel=\"" << apartment
      << "\" progid=\"" << Narrow(kProgId) << "\" tlbid=\"" << library << "\" description=\""
      << Narrow(kControlDisplayName) << "\" miscStatusContent=\"" << MiscStatusNames() << "\">\n"
      << "      <progid>" << Narrow(kVersionIndependentProgId) << "</progid>\n"
      << "    </comClass>\n";
  for (const PageIdentity& page : kPages) {
    out << "    <comClass clsid=\"" << Id(page.pageClass.id) << "\" threadingModel=\"" << apartment
        << "\" tlbid=\"" << library << "\" description=\"" << Narrow(page.pageClass.name)
        << "\"/>\n";
  }
  out << "    <typelib tlbid=\"" << library << "\" version=\"" << kLibraryMajorVersion << '.'
      << kLibraryMinorVersion << "\" helpdir=\"\" flags=\"control\"/>\n"
      << "  </file>\n";
  const auto proxy = [&](const NamedId& named) {
    out << "  <comInterfaceExternalProxyStub name=\"" << Narrow(named.name) << "\" iid=\""
        << Id(named.id) << "\" proxyStubClsid32=\"" << kAutomationMarshaler << "\" baseInterface=\""
        << kDispatchInterface << "\" tlbid=\"" << library << "\"/>\n";
  };
  proxy(kControlInterface);
  proxy(kEventInterface);
  proxy(kDataObjectInterface);
  for (const PageIdentity& page : kPages) proxy(page.pageInterface);
  out << "</assembly>\n";
  return out.str();
}

}  // namespace kovra::activex
