#include "forms/form.h"

#include <gtest/gtest.h>

#include "tests/window/fake_form.h"

namespace velmora {
namespace {

using testing::FakeControl;

FakeControl Made(bool enabled, bool visible) {
  return FakeControl({.enabled = enabled, .visible = visible});
}

// A shown form's focus goes to the first control of the tab order that can take it.
TEST(FocusFirstTest, SkipsDisabledAndHiddenControls) {
  FakeControl disabled = Made(false, true), hidden = Made(true, false);
  FakeControl first = Made(true, true), second = Made(true, true);
  forms::FocusFirst({&disabled, &hidden, &first, &second});
  EXPECT_EQ(disabled.focus_taken + hidden.focus_taken + second.focus_taken, 0);
  EXPECT_EQ(first.focus_taken, 1);

  forms::FocusFirst({&disabled, &hidden});  // none can take it: nothing happens
  forms::FocusFirst({});
  EXPECT_EQ(disabled.focus_taken + hidden.focus_taken, 0);
}

}  // namespace
}  // namespace velmora
