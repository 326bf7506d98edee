// The one way a step of the panel fails silently: where the behaviour says a failure ends a step
// and the next event runs normally, the step runs through silently(), and nothing is shown or
// logged. Everything else that fails goes on to the general error box.
#pragma once

namespace pelmora::common {

// Runs `step`; whatever it throws ends it there, with what it did so far left done.
template <typename Step>
void silently(Step&& step) noexcept {
  try {
    step();
  } catch (...) {  // the one swallowing catch of the core
  }
}

}  // namespace pelmora::common
