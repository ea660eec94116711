#include "activex/property_page_object.h"

#include <cstring>

#include "activex/com_error.h"
#include "platform/locale.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_locale.h"

namespace kovra::activex {

namespace {

template <const pages::PageDefinition& (*Definition)()>
HRESULT CreatePage(REFIID iid, void** out) {
  return Guarded([&] { return MakeObject<PropertyPageObject>(Definition()).CopyTo(iid, out); });
}

// A copy of `text` in task memory, which the caller frees with CoTaskMemFree.
LPOLESTR TaskText(std::wstring_view text) {
  auto* copy = static_cast<LPOLESTR>(::CoTaskMemAlloc((text.size() + 1) * sizeof(wchar_t)));
  if (copy == nullptr) throw std::bad_alloc();
  std::memcpy(copy, text.data(), text.size() * sizeof(wchar_t));
  copy[text.size()] = L'\0';
  return copy;
}

// The user's separators, as the control reads its texts.
Separators UserSeparators() { return ProbeSeparators(win32::Win32Locale()); }

}  // namespace

PropertyPageObject::PropertyPageObject(const pages::PageDefinition& definition)
    : page_(definition, UserSeparators()) {}

PropertyPageObject::~PropertyPageObject() = default;

HRESULT PropertyPageObject::CreateGeneral(REFIID iid, void** out) {
  return CreatePage<pages::GeneralPage>(iid, out);
}
HRESULT PropertyPageObject::CreateFormat(REFIID iid, void** out) {
  return CreatePage<pages::FormatPage>(iid, out);
}
HRESULT PropertyPageObject::CreateXp(REFIID iid, void** out) {
  return CreatePage<pages::XpPage>(iid, out);
}

HRESULT PropertyPageObject::SetPageSite(IPropertyPageSite* site) {
  if (site != nullptr && site_) return E_UNEXPECTED;
  site_ = ComPtr<IPropertyPageSite>(site);
  return S_OK;
}

HRESULT PropertyPageObject::Activate(HWND parent, LPCRECT place, BOOL /*modal*/) {
  if (place == nullptr) return E_POINTER;
  if (dialog_) return E_UNEXPECTED;
  return Guarded([&] {
    dialog_ = std::make_unique<PageDialog>(
        page_, parent, *place, PageDialog::Listener{[this] { Edited(); }, [this] { Apply(); }});
    return S_OK;
  });
}

HRESULT PropertyPageObject::Deactivate() {
  dialog_.reset();
  return S_OK;
}

HRESULT PropertyPageObject::GetPageInfo(PROPPAGEINFO* info) {
  if (info == nullptr) return E_POINTER;
  return Guarded([&] {
    const pages::PageDefinition& definition = page_.Definition();
    const win32::ScreenDC screen;
    const int pixelsX = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
    const int pixelsY = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    info->cb = sizeof(PROPPAGEINFO);
    info->pszTitle = TaskText(definition.caption);
    info->size = {::MulDiv(definition.size.width, pixelsX, 1440),
                  ::MulDiv(definition.size.height, pixelsY, 1440)};
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
  });
}

HRESULT PropertyPageObject::SetObjects(ULONG count, IUnknown** objects) {
  if (count > 0 && objects == nullptr) return E_POINTER;
  return Guarded([&] {
    std::vector<std::unique_ptr<DispatchPageTarget>> chosen;
    for (ULONG i = 0; i < count; ++i) {
      ComPtr<IDispatch> object;
      if (objects[i] == nullptr ||
          FAILED(objects[i]->QueryInterface(IID_IDispatch, object.PutVoid()))) {
        return E_NOINTERFACE;
      }
      chosen.push_back(std::make_unique<DispatchPageTarget>(std::move(object)));
    }
    selection_ = std::move(chosen);
    std::vector<pages::PageTarget*> targets;
    for (const auto& target : selection_) targets.push_back(target.get());
    page_.SelectionChanged(targets);
    toldDirty_ = false;
    if (dialog_) dialog_->ShowModel();
    return S_OK;
  });
}

HRESULT PropertyPageObject::Show(UINT command) {
  if (!dialog_) return E_UNEXPECTED;
  ::ShowWindow(dialog_->Window(), static_cast<int>(command));
  return S_OK;
}

HRESULT PropertyPageObject::Move(LPCRECT place) {
  if (place == nullptr) return E_POINTER;
  if (!dialog_) return E_UNEXPECTED;
  ::MoveWindow(dialog_->Window(), place->left, place->top, place->right - place->left,
               place->bottom - place->top, TRUE);
  return S_OK;
}

HRESULT PropertyPageObject::IsPageDirty() { return page_.Changed() ? S_OK : S_FALSE; }

HRESULT PropertyPageObject::Apply() {
  // A page with nothing changed has nothing to write.
  if (!page_.Changed()) return S_OK;
  return Guarded([&] {
    page_.ApplyChanges();
    toldDirty_ = page_.Changed();
    if (dialog_) dialog_->ShowModel();
    return S_OK;
  });
}

HRESULT PropertyPageObject::Help(LPCOLESTR /*helpDirectory*/) { return E_NOTIMPL; }

HRESULT PropertyPageObject::TranslateAccelerator(MSG* message) {
  if (message == nullptr) return E_POINTER;
  return dialog_ && dialog_->TranslateKeys(*message) ? S_OK : S_FALSE;
}

void PropertyPageObject::Edited() {
  if (!page_.Changed() || toldDirty_) return;
  toldDirty_ = true;
  if (site_) site_->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
}

}  // namespace kovra::activex
