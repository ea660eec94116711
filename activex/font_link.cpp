#include "activex/font_link.h"

#include <memory>
#include <utility>

#include "activex/com_error.h"
#include "activex/com_object.h"
#include "activex/standard_objects.h"

namespace kovra::activex {

// Hears the linked object's change notifications while the link lasts.
class FontLink::Sink final : public ComObject<Sink, IPropertyNotifySink> {
 public:
  explicit Sink(FontLink& link) : link_(&link) {}
  void Disconnect() { link_ = nullptr; }

  HRESULT STDMETHODCALLTYPE OnChanged(DISPID) override {
    if (link_ != nullptr)
      Guarded([&] {
        link_->OnObjectChanged();
        return S_OK;
      });
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

 private:
  FontLink* link_;
};

FontLink::FontLink(Changed changed) : changed_(std::move(changed)) {}

FontLink::~FontLink() { Unlink(); }

ComPtr<IDispatch> FontLink::ObjectFor(const FontRef& font) {
  if (!font) return {};
  if (font == font_ && object_) {
    updating_ = true;
    const HRESULT result = Guarded([&] {
      UpdateFontObject(object_.get(), *font);
      return S_OK;
    });
    updating_ = false;
    ThrowIfFailed(result);
  } else {
    Link(font, NewFontObject(*font));
  }
  ComPtr<IDispatch> dispatch;
  ThrowIfFailed(object_->QueryInterface(IID_IFontDisp, dispatch.PutVoid()));
  return dispatch;
}

FontRef FontLink::FontFor(IUnknown* object) {
  ComPtr<IFont> font;
  if (object == nullptr || FAILED(object->QueryInterface(IID_IFont, font.PutVoid()))) {
    throw ComError(DISP_E_TYPEMISMATCH);
  }
  auto core = std::make_shared<Font>(ReadFontObject(font.get()));
  if (!(font == object_)) Link(core, std::move(font));
  font_ = core;
  return core;
}

void FontLink::Link(FontRef font, ComPtr<IFont> object) {
  Unlink();
  font_ = std::move(font);
  object_ = std::move(object);
  // A font object without change notifications is still linked; its changes reach the control
  // when it is set again.
  if (const auto container = object_.As<IConnectionPointContainer>()) {
    ComPtr<IConnectionPoint> point;
    if (SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, point.Put()))) {
      sink_ = MakeObject<Sink>(*this);
      if (SUCCEEDED(point->Advise(sink_.get(), &cookie_))) {
        point_ = std::move(point);
      } else {
        sink_->Disconnect();
        sink_.Reset();
      }
    }
  }
}

void FontLink::Unlink() noexcept {
  if (point_) point_->Unadvise(cookie_);
  if (sink_) sink_->Disconnect();
  point_.Reset();
  sink_.Reset();
  object_.Reset();
  font_.reset();
  cookie_ = 0;
}

void FontLink::OnObjectChanged() {
  if (updating_ || !object_ || !font_) return;
  *font_ = ReadFontObject(object_.get());
  changed_(font_);
}

}  // namespace kovra::activex
