// Between the core's Variant and Automation's VARIANT. A value a client sends may come in any
// form a VARIANT can take: by reference, as another width or an Automation type the core does
// not know (dates, currency, decimals, unsigned and 64-bit integers are taken as numbers), or
// as an object whose default value stands for it; objects go to the font and picture properties
// as the standard objects. Arrays, Null, errors, records and types Automation does not define
// are refused with DISP_E_TYPEMISMATCH, never read blindly. Values going out take the VARIANT
// type of their kind (colours as 32-bit integers, which every script client reads).
#pragma once

#include <oaidl.h>

#include "activex/font_link.h"
#include "base/variant.h"
#include "core/member_table.h"

namespace kovra::activex {

// The value `in` for a destination of `type` (a property, a method argument). Throws
// ComError(DISP_E_TYPEMISMATCH) for a VARIANT the destination cannot take at all; what the
// control's own coercion refuses (a text that is not a number) is left to it.
Variant ArgumentValue(const VARIANT& in, ValueType type, FontLink& fonts);

// Writes `value` into `out`, whose earlier content is overwritten, not cleared; the caller
// owns and clears the result.
void ResultValue(const Variant& value, VARIANT* out, FontLink& fonts);

}  // namespace kovra::activex
