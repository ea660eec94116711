// IDispatch of the control, read off the member table: names and parameter names without
// regard to case, the default member Value through DISPID_VALUE, get, let (DISPATCH_PROPERTYPUT)
// and set (DISPATCH_PROPERTYPUTREF) told apart, methods with positional and named arguments in
// any VARIANT form. A member the control refuses gives DISP_E_EXCEPTION with its Automation
// number in the EXCEPINFO and the thread's error information; unknown names, unknown members,
// wrong argument counts and types give the standard results.
#pragma once

#include <oaidl.h>

namespace kovra::activex {

class ControlObject;

HRESULT DispatchTypeInfoCount(UINT* count);
HRESULT DispatchTypeInfo(ControlObject& object, UINT index, ITypeInfo** out);
HRESULT DispatchIdsOfNames(REFIID iid, LPOLESTR* names, UINT count, DISPID* ids);
HRESULT DispatchInvoke(ControlObject& object, DISPID id, REFIID iid, WORD flags,
                       DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                       UINT* argumentError);

}  // namespace kovra::activex
