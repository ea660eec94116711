// One of the control's property pages as a COM object (IPropertyPage), as a property frame
// drives it: given its site, the objects selected (it loads from the first and applies to the
// first, also when several are selected), asked for its caption and size, activated into a
// window of the frame as a dialog built from the page's table, shown, moved, asked whether it is
// dirty, applied, and deactivated. It tells its site when an edit first makes it dirty.
#pragma once

#include <ocidl.h>

#include <memory>
#include <vector>

#include "activex/com_object.h"
#include "activex/dispatch_page_target.h"
#include "activex/page_dialog.h"
#include "pages/page_definition.h"
#include "pages/property_page.h"

namespace kovra::activex {

class PropertyPageObject final : public ComObject<PropertyPageObject, IPropertyPage> {
 public:
  explicit PropertyPageObject(const pages::PageDefinition& definition);
  ~PropertyPageObject() override;

  // The creators of the three page classes: a new page asked for `iid`.
  static HRESULT CreateGeneral(REFIID iid, void** out);
  static HRESULT CreateFormat(REFIID iid, void** out);
  static HRESULT CreateXp(REFIID iid, void** out);

  HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) override;
  HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT place, BOOL modal) override;
  HRESULT STDMETHODCALLTYPE Deactivate() override;
  HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) override;
  HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) override;
  HRESULT STDMETHODCALLTYPE Show(UINT command) override;
  HRESULT STDMETHODCALLTYPE Move(LPCRECT place) override;
  HRESULT STDMETHODCALLTYPE IsPageDirty() override;
  HRESULT STDMETHODCALLTYPE Apply() override;
  HRESULT STDMETHODCALLTYPE Help(LPCOLESTR helpDirectory) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* message) override;

 private:
  // After the user's edit: the site hears when the page has just become dirty.
  void Edited();

  pages::PropertyPage page_;
  ComPtr<IPropertyPageSite> site_;
  std::vector<std::unique_ptr<DispatchPageTarget>> selection_;
  std::unique_ptr<PageDialog> dialog_;
  bool toldDirty_ = false;
};

}  // namespace kovra::activex
