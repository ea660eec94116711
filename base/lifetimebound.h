// KOVRA_LIFETIMEBOUND marks a parameter (or, after a member function's qualifiers, the object
// itself) whose lifetime bounds that of the view or reference the function returns, so that
// clang warns where the result would outlive what it looks at. Other compilers ignore it.
#pragma once

#if defined(__has_cpp_attribute)
#if __has_cpp_attribute(clang::lifetimebound)
#define KOVRA_LIFETIMEBOUND [[clang::lifetimebound]]
#endif
#endif
#ifndef KOVRA_LIFETIMEBOUND
#define KOVRA_LIFETIMEBOUND
#endif
