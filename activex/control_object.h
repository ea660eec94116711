// The COM object of one KovraDouble control: the control itself on the Windows platform of
// its thread, and its interfaces, each a facet of its own answered from one table — the dual
// interface `_KovraDouble` with IDispatch, the connection points for its events and property
// change notifications, its class description and error information, persistence in a host's
// property bag, a stream and a storage, and the OLE control interfaces through which a
// container embeds, activates, sizes, draws and talks to it.
//
// A control that no container initialises (a script's CreateObject) takes its defaults on
// first use and works without a site: its windows are parked in the platform's hidden window.
#pragma once

#include <memory>
#include <span>

#include "activex/class_info_facets.h"
#include "activex/com_object.h"
#include "activex/connection_points.h"
#include "activex/control_facets.h"
#include "activex/control_site.h"
#include "activex/dual_interface.h"
#include "activex/embedding.h"
#include "activex/font_link.h"
#include "activex/in_place_facets.h"
#include "activex/ole_object_facet.h"
#include "activex/persist_facets.h"
#include "activex/thread_share.h"
#include "activex/view_object_facet.h"
#include "control/kovra_double.h"

namespace kovra::activex {

class ControlObject final : public ComObject<ControlObject, IUnknown> {
 public:
  ControlObject();
  ~ControlObject() override;

  // The class's creator: a new control asked for `iid`.
  static HRESULT Create(REFIID iid, void** out);
  static std::span<const InterfaceEntry<ControlObject>> Interfaces();

  // How the control came by its properties.
  enum class Origin {
    None,      // not yet: the next use gives it its defaults
    Defaults,  // its defaults, taken on first use without a container
    New,       // InitNew
    Loaded,    // Load
  };
  Origin GetOrigin() const { return origin_; }
  void SetOrigin(Origin origin) { origin_ = origin; }

  // The control, given its defaults first when nothing has given it properties yet.
  KovraDouble& Control();
  // The control as it is.
  KovraDouble& Existing() { return *control_; }
  // Replaces the control by a new one that has no properties yet (Origin::None).
  void Renew();

  ThreadShare& Share() { return *share_; }
  FontLink& Fonts() { return fonts_; }
  ConnectionPointContainerFacet& Connections() { return connections_; }
  ControlSite& Site() { return site_; }
  Embedding& Embedded() { return embedding_; }
  InPlaceActiveObjectFacet& ActiveObject() { return activeObject_; }
  ViewObjectFacet& View() { return view_; }
  // The control's picture changed: the container's view sink hears of it.
  void ViewChanged() { view_.Changed(); }

  // Changed since it was last saved or loaded.
  bool Dirty() const { return dirty_; }
  void MarkDirty() { dirty_ = true; }
  void MarkClean() { dirty_ = false; }

  // Keeps the object alive while its event goes out. When a handler gives up the last
  // reference to the control, the object goes once the thread is back in its message loop,
  // since its own code is still on the stack when the handler returns.
  class EventHold {
   public:
    explicit EventHold(ControlObject& object);
    ~EventHold();
    EventHold(const EventHold&) = delete;
    EventHold& operator=(const EventHold&) = delete;

   private:
    ControlObject& object_;
  };

 private:
  std::unique_ptr<KovraDouble> MakeControl();

  std::shared_ptr<ThreadShare> share_;
  FontLink fonts_;
  ControlSite site_;
  Embedding embedding_;
  std::unique_ptr<KovraDouble> control_;
  Origin origin_ = Origin::None;
  bool dirty_ = false;

  DualInterface dual_;
  ConnectionPointContainerFacet connections_;
  ClassInfoFacet classInfo_;
  ErrorInfoFacet errorInfo_;
  PropertyBagFacet propertyBag_;
  StreamFacet stream_;
  StorageFacet storage_;
  OleObjectFacet oleObject_;
  InPlaceObjectFacet inPlaceObject_;
  InPlaceActiveObjectFacet activeObject_;
  OleControlFacet oleControl_;
  ViewObjectFacet view_;
  QuickActivateFacet quickActivate_;
  PropertyPagesFacet pages_;
  ObjectSafetyFacet safety_;
};

}  // namespace kovra::activex
