#include "activex/connection_points.h"

#include <olectl.h>

#include "activex/control_object.h"
#include "activex/enumerator.h"
#include "activex/identifiers.h"

namespace kovra::activex {
namespace {

struct PointTraits {
  static void Keep(IConnectionPoint* point) { point->AddRef(); }
  static void Drop(IConnectionPoint*& point) { point->Release(); }
};
using PointEnumerator = Enumerator<IEnumConnectionPoints, IConnectionPoint*, PointTraits>;

struct ConnectionTraits {
  static void Keep(const CONNECTDATA& connection) { connection.pUnk->AddRef(); }
  static void Drop(CONNECTDATA& connection) { connection.pUnk->Release(); }
};
using ConnectionEnumerator = Enumerator<IEnumConnections, CONNECTDATA, ConnectionTraits>;

}  // namespace

ConnectionPoint::ConnectionPoint(ControlObject& object, const IID& iid, bool orDispatch)
    : object_(object), iid_(iid), orDispatch_(orDispatch) {}

HRESULT STDMETHODCALLTYPE ConnectionPoint::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!::IsEqualIID(iid, IID_IUnknown) && !::IsEqualIID(iid, IID_IConnectionPoint)) {
    return E_NOINTERFACE;
  }
  AddRef();
  *out = static_cast<IConnectionPoint*>(this);
  return S_OK;
}

ULONG STDMETHODCALLTYPE ConnectionPoint::AddRef() { return IdentityOf(object_).AddRef(); }
ULONG STDMETHODCALLTYPE ConnectionPoint::Release() { return IdentityOf(object_).Release(); }

HRESULT STDMETHODCALLTYPE ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (iid == nullptr) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE
ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (out == nullptr) return E_POINTER;
  return IdentityOf(object_).QueryInterface(IID_IConnectionPointContainer,
                                            reinterpret_cast<void**>(out));
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (cookie == nullptr) return E_POINTER;
  *cookie = 0;
  if (sink == nullptr) return E_POINTER;
  ComPtr<IUnknown> asked;
  if (FAILED(sink->QueryInterface(iid_, asked.PutVoid())) &&
      (!orDispatch_ || FAILED(sink->QueryInterface(IID_IDispatch, asked.PutVoid())))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  return Guarded([&] {
    sinks_.emplace_back(nextCookie_, std::move(asked));
    *cookie = nextCookie_++;
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::Unadvise(DWORD cookie) {
  for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
    if (it->first == cookie) {
      // The sink may be released here for the last time; the list no longer names it by then.
      const ComPtr<IUnknown> leaving = std::move(it->second);
      sinks_.erase(it);
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::EnumConnections(IEnumConnections** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return Guarded([&] {
    std::vector<CONNECTDATA> connections;
    for (const auto& [cookie, sink] : sinks_) connections.push_back({sink.get(), cookie});
    *out = MakeObject<ConnectionEnumerator>(std::move(connections)).Detach();
    return S_OK;
  });
}

std::vector<ComPtr<IUnknown>> ConnectionPoint::Sinks() const {
  std::vector<ComPtr<IUnknown>> sinks;
  sinks.reserve(sinks_.size());
  for (const auto& connection : sinks_) sinks.push_back(connection.second);
  return sinks;
}

void ConnectionPoint::DisconnectAll() noexcept {
  const auto leaving = std::move(sinks_);
  sinks_.clear();
}

ConnectionPointContainerFacet::ConnectionPointContainerFacet(ControlObject& object)
    : Facet(object),
      events_(object, kEventInterface.id, true),
      notifications_(object, IID_IPropertyNotifySink, false) {}

HRESULT STDMETHODCALLTYPE
ConnectionPointContainerFacet::EnumConnectionPoints(IEnumConnectionPoints** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return Guarded([&] {
    std::vector<IConnectionPoint*> points{&events_, &notifications_};
    *out = MakeObject<PointEnumerator>(std::move(points)).Detach();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE
ConnectionPointContainerFacet::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  for (ConnectionPoint* point : {&events_, &notifications_}) {
    if (::IsEqualIID(iid, point->Interface())) {
      point->AddRef();
      *out = point;
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

}  // namespace kovra::activex
