#include "ime/core/message_generator.h"

#include <gtest/gtest.h>

#include <vector>

#include "ime/platform/sim/sim_input_method.h"

namespace kellavor::core {
namespace {

using platform::ImeMessage;
using platform::SimEvent;

// One message, with the context locked for it as an entry point locks it for its call.
bool Generate(platform::SimInputMethod& sim, MessageGenerator& messages, platform::ContextHandle context,
              uint32_t message, uintptr_t wParam, intptr_t lParam) {
  const platform::ContextLock locked(sim, context);
  return messages.GenerateMessage(locked, message, wParam, lParam);
}

TEST(MessageGenerator, ABoundListTakesOneMessageLessThanItsCapacity) {
  platform::SimInputMethod sim;
  const platform::ContextHandle context = sim.CreateContext(sim.AddWindow(u"Edit"));
  MessageGenerator messages(sim);
  TranslationListBuffer buffer(3);
  messages.BeginTranslation(buffer.data());
  EXPECT_TRUE(Generate(sim, messages, context, 0x010D, 0, 0));
  EXPECT_TRUE(Generate(sim, messages, context, 0x010F, 0, 0x188));
  EXPECT_FALSE(Generate(sim, messages, context, 0x010F, 0, 0x800)) << "dropped";
  EXPECT_EQ(messages.EndTranslation(), 2u) << "only the stored messages are reported";
  EXPECT_EQ(buffer.list().At(0), (ImeMessage{0x010D, 0, 0}));
  EXPECT_EQ(buffer.list().At(1), (ImeMessage{0x010F, 0, 0x188}));
  EXPECT_TRUE(sim.Events().empty()) << "nothing went through the context's buffer";
  EXPECT_EQ(sim.LockCount(context), 0);
}

TEST(MessageGenerator, OutsideATranslationTheContextBufferDelivers) {
  platform::SimInputMethod sim;
  const platform::WindowHandle editor = sim.AddWindow(u"Edit");
  const platform::ContextHandle context = sim.CreateContext(editor);
  MessageGenerator messages(sim);
  EXPECT_TRUE(Generate(sim, messages, context, 0x010F, 0, 0x188));
  EXPECT_TRUE(Generate(sim, messages, context, 0x010E, 0, 0));
  EXPECT_EQ(sim.Events(), (std::vector<SimEvent>{SimEvent::Delivered(editor, {0x010F, 0, 0x188}),
                                                 SimEvent::Delivered(editor, {0x010E, 0, 0})}));
  EXPECT_EQ(sim.LockCount(context), 0);
}

TEST(MessageGenerator, AContextWithoutWindowGetsNothingAndNoContextFails) {
  platform::SimInputMethod sim;
  const platform::ContextHandle context = sim.CreateContext();
  MessageGenerator messages(sim);
  EXPECT_TRUE(Generate(sim, messages, context, 0x010F, 0, 0x188));
  EXPECT_TRUE(sim.FindContext(context)->messageBuffer.empty());
  EXPECT_FALSE(Generate(sim, messages, nullptr, 0x010F, 0, 0x188));
  TranslationListBuffer buffer(8);
  messages.BeginTranslation(buffer.data());
  EXPECT_FALSE(Generate(sim, messages, nullptr, 0x010F, 0, 0x188)) << "the context must lock even for the list";
  EXPECT_EQ(messages.EndTranslation(), 0u);
}

}  // namespace
}  // namespace kellavor::core
