// The control's outgoing interfaces: its events (`__KovraDouble`, raised by dispatch
// identifier) and its property change notifications (IPropertyNotifySink). Any number of sinks
// may be connected to each; a sink is handed the event through a snapshot of the connections,
// so that a handler may connect or disconnect sinks, its own included, while it runs.
#pragma once

#include <ocidl.h>

#include <utility>
#include <vector>

#include "activex/com_ptr.h"
#include "activex/facet.h"

namespace kovra::activex {

// One connection point. It answers QueryInterface as an object of its own (IUnknown and
// IConnectionPoint), but its references are the control's: it lives as long as the control.
class ConnectionPoint final : public IConnectionPoint {
 public:
  // Sinks must answer `iid`; with `orDispatch`, IDispatch alone is enough (a script engine's
  // event sinks answer no more).
  ConnectionPoint(ControlObject& object, const IID& iid, bool orDispatch);
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

  const IID& Interface() const { return iid_; }
  // The sinks connected now, each as the interface it was asked for, with a reference of its
  // own.
  std::vector<ComPtr<IUnknown>> Sinks() const;
  // Lets every sink go (the control is going).
  void DisconnectAll() noexcept;

 private:
  ControlObject& object_;
  IID iid_;
  bool orDispatch_;
  std::vector<std::pair<DWORD, ComPtr<IUnknown>>> sinks_;
  DWORD nextCookie_ = 1;
};

class ConnectionPointContainerFacet final : public Facet<IConnectionPointContainer> {
 public:
  explicit ConnectionPointContainerFacet(ControlObject& object);

  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

  ConnectionPoint& Events() { return events_; }
  ConnectionPoint& Notifications() { return notifications_; }

 private:
  ConnectionPoint events_;
  ConnectionPoint notifications_;
};

}  // namespace kovra::activex
