// The host double for the tests that run the whole program: the recording window with a
// message loop that returns at once.
#pragma once

#include "app/host.h"
#include "test_platform.h"

namespace ventro::test {

class RecordingHost : public RecordingWindowOf<Host> {
 public:
  void RunMessageLoop(Ventro&) override {}
};

}  // namespace ventro::test
