// The tests of KovraDouble.ocx run in one single-threaded apartment, as a form's controls do.
#include <gtest/gtest.h>
#include <objbase.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
  const int result = RUN_ALL_TESTS();
  ::CoUninitialize();
  return result;
}
