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
      control_(MakeControl()),
      dual_{DualVtable(), this},
      connections_(*this),
      classInfo_(*this),
      errorInfo_(*this),
      propertyBag_(*this),
      stream_(*this),
      storage_(*this) {}

ControlObject::~ControlObject() {
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
