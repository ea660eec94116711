#include "activex/control_object.h"

#include "activex/com_error.h"
#include "activex/identifiers.h"

namespace kovra::activex {

IUnknown& IdentityOf(ControlObject& object) { return static_cast<IUnknown&>(object); }

ControlObject::ControlObject()
    : share_(ThreadShare::OfThisThread()),
      // A client's change in the font object is a new font for Text1, set as a client sets it.
      fonts_([this](const FontRef& font) { Control().PutProperty(L"Font", font, PutKind::Set); }),
      site_(*this),
      embedding_(*this),
      control_(MakeControl()),
      dual_{DualVtable(), this},
      connections_(*this),
      classInfo_(*this),
      errorInfo_(*this),
      propertyBag_(*this),
      stream_(*this),
      storage_(*this),
      oleObject_(*this),
      inPlaceObject_(*this),
      activeObject_(*this),
      oleControl_(*this),
      view_(*this),
      quickActivate_(*this),
      pages_(*this),
      safety_(*this) {}

ControlObject::~ControlObject() {
  embedding_.Leave();
  embedding_.SetClientSite(nullptr);
  oleObject_.DisconnectAll();
  view_.DisconnectAll();
  connections_.Events().DisconnectAll();
  connections_.Notifications().DisconnectAll();
  control_.reset();  // its windows go while the thread's platform is still there
  share_->Linger();
}

HRESULT ControlObject::Create(REFIID iid, void** out) {
  return Guarded([&] { return MakeObject<ControlObject>().CopyTo(iid, out); });
}

std::span<const InterfaceEntry<ControlObject>> ControlObject::Interfaces() {
  using O = ControlObject;
  static const InterfaceEntry<O> rows[] = {
      Answers<O, IUnknown>(),
      {&kControlInterface.id, [](O& o) { return AsInterface(o.dual_); }},
      {&IID_IDispatch, [](O& o) { return AsInterface(o.dual_); }},
      {&IID_IConnectionPointContainer,
       [](O& o) -> IUnknown* { return static_cast<IConnectionPointContainer*>(&o.connections_); }},
      {&IID_IProvideClassInfo, [](O& o) -> IUnknown* { return &o.classInfo_; }},
      {&IID_IProvideClassInfo2, [](O& o) -> IUnknown* { return &o.classInfo_; }},
      {&IID_ISupportErrorInfo, [](O& o) -> IUnknown* { return &o.errorInfo_; }},
      {&IID_IPersistPropertyBag, [](O& o) -> IUnknown* { return &o.propertyBag_; }},
      {&IID_IPersistStreamInit, [](O& o) -> IUnknown* { return &o.stream_; }},
      {&IID_IPersist, [](O& o) -> IUnknown* { return &o.stream_; }},
      {&IID_IPersistStorage, [](O& o) -> IUnknown* { return &o.storage_; }},
      {&IID_IOleObject, [](O& o) -> IUnknown* { return &o.oleObject_; }},
      {&IID_IOleInPlaceObject, [](O& o) -> IUnknown* { return &o.inPlaceObject_; }},
      {&IID_IOleWindow, [](O& o) -> IUnknown* { return &o.inPlaceObject_; }},
      {&IID_IOleInPlaceActiveObject, [](O& o) -> IUnknown* { return &o.activeObject_; }},
      {&IID_IOleControl, [](O& o) -> IUnknown* { return &o.oleControl_; }},
      {&IID_IViewObjectEx, [](O& o) -> IUnknown* { return &o.view_; }},
      {&IID_IViewObject2, [](O& o) -> IUnknown* { return &o.view_; }},
      {&IID_IViewObject, [](O& o) -> IUnknown* { return &o.view_; }},
      {&IID_IQuickActivate, [](O& o) -> IUnknown* { return &o.quickActivate_; }},
      {&IID_ISpecifyPropertyPages, [](O& o) -> IUnknown* { return &o.pages_; }},
      {&IID_IObjectSafety, [](O& o) -> IUnknown* { return &o.safety_; }},
  };
  return rows;
}

KovraDouble& ControlObject::Control() {
  if (origin_ == Origin::None) {
    control_->InitProperties();
    origin_ = Origin::Defaults;
    dirty_ = false;
  }
  return *control_;
}

void ControlObject::Renew() {
  embedding_.Leave();  // the new control's windows are not placed in the container
  control_.reset();
  control_ = MakeControl();
  origin_ = Origin::None;
}

std::unique_ptr<KovraDouble> ControlObject::MakeControl() {
  auto control = std::make_unique<KovraDouble>(share_->Platform());
  control->SetContainer(&site_);
  control->Initialize();
  return control;
}

ControlObject::EventHold::EventHold(ControlObject& object) : object_(object) { object_.AddRef(); }

ControlObject::EventHold::~EventHold() {
  if (object_.References() == 1) {
    object_.share_->ReleaseLater(&IdentityOf(object_));
  } else {
    object_.Release();
  }
}

}  // namespace kovra::activex
