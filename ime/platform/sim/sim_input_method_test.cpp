#include "ime/platform/sim/sim_input_method.h"

#include <gtest/gtest.h>

namespace kellavor::platform {
namespace {

TEST(SimInputMethod, ContextFieldsThroughTheLock) {
  SimInputMethod sim;
  const WindowHandle window = sim.AddWindow(u"Edit");
  const ContextHandle context = sim.CreateContext(window);

  InputMethodPort& port = sim;
  const BlockHandle block = port.CreateBlock(8);
  {
    const ContextLock locked(port, context);
    ASSERT_TRUE(locked);
    const LockedContext fields = locked.fields();
    EXPECT_EQ(sim.LockCount(context), 1);
    EXPECT_EQ(port.ContextWindow(fields), window);
    EXPECT_FALSE(port.IsOpen(fields));
    port.SetOpen(fields, true);
    EXPECT_EQ(port.CompositionStringBlock(fields), nullptr);
    port.SetCompositionStringBlock(fields, block);
  }

  EXPECT_EQ(sim.LockCount(context), 0);
  EXPECT_TRUE(sim.FindContext(context)->open);
  EXPECT_EQ(sim.FindContext(context)->compositionString, block);

  // A handle of another kind, or of a context that is gone, is no context.
  EXPECT_FALSE(ContextLock(port, reinterpret_cast<ContextHandle>(window)));
  sim.DestroyContext(context);
  EXPECT_FALSE(ContextLock(port, context));
  EXPECT_FALSE(port.GetConversionStatus(context).has_value());
  EXPECT_EQ(sim.BlockCount(), 0u) << "destroying a context destroys its blocks";
}

TEST(SimInputMethod, BlocksAreZeroedBuffersThatKeepTheirBytesWhenResized) {
  SimInputMethod sim;
  InputMethodPort& port = sim;
  const BlockHandle block = port.CreateBlock(4);
  {
    const BlockLock locked(port, block);
    ASSERT_EQ(locked.bytes().size(), 4u);
    EXPECT_EQ(locked.bytes()[3], 0);
    locked.bytes()[0] = 7;
  }

  EXPECT_EQ(port.ResizeBlock(block, 1892), block);
  {
    const BlockLock locked(port, block);
    ASSERT_EQ(locked.bytes().size(), 1892u);
    EXPECT_EQ(locked.bytes()[0], 7);
    EXPECT_EQ(locked.bytes()[1891], 0);
    EXPECT_EQ(sim.LockCount(block), 1);
  }
  EXPECT_EQ(sim.LockCount(block), 0);

  // An empty block cannot be locked and leaves no lock behind.
  const BlockHandle empty = port.CreateBlock(0);
  {
    const BlockLock locked(port, empty);
    EXPECT_TRUE(locked.bytes().empty());
  }
  EXPECT_EQ(sim.LockCount(empty), 0);

  port.DestroyBlock(block);
  port.DestroyBlock(nullptr);
  EXPECT_TRUE(BlockLock(port, block).bytes().empty());
  EXPECT_EQ(port.ResizeBlock(block, 10), nullptr);
}

TEST(SimInputMethod, BufferedMessagesReachTheContextWindowInOrderOnce) {
  SimInputMethod sim;
  InputMethodPort& port = sim;
  const WindowHandle window = sim.AddWindow(u"Edit");
  const ContextHandle context = sim.CreateContext(window);

  {
    const ContextLock locked(port, context);
    EXPECT_TRUE(port.AppendBufferedMessage(locked.fields(), {0x010F, 0, 0x188}));
    EXPECT_TRUE(port.AppendBufferedMessage(locked.fields(), {0x010E, 0, 0}));
  }
  EXPECT_TRUE(sim.Events().empty()) << "nothing is delivered before the manager is asked";

  port.GenerateMessages(context);
  port.GenerateMessages(context);
  EXPECT_EQ(sim.Events(), (std::vector<SimEvent>{SimEvent::Delivered(window, {0x010F, 0, 0x188}),
                                                 SimEvent::Delivered(window, {0x010E, 0, 0})}));
  EXPECT_TRUE(sim.FindContext(context)->messageBuffer.empty());
}

TEST(SimInputMethod, WindowsKnowTheirOwnerAndVisibility) {
  SimInputMethod sim;
  InputMethodPort& port = sim;
  const WindowHandle ui = sim.AddWindow(u"KellavorIME_UI");
  const WindowHandle status = sim.AddWindow(u"KellavorIME_Status", ui);
  const WindowHandle second = sim.AddWindow(u"KellavorIME_Status", ui);

  EXPECT_EQ(port.OwnerWindow(status), ui);
  EXPECT_EQ(port.OwnerWindow(ui), nullptr);
  EXPECT_FALSE(port.IsWindowVisible(status));
  sim.SetWindowVisible(status, true);
  EXPECT_TRUE(port.IsWindowVisible(status));

  sim.RemoveWindow(status);
  EXPECT_FALSE(port.IsWindow(status));
  EXPECT_TRUE(port.IsWindow(second));
  // Nothing reaches a window that does not exist.
  EXPECT_EQ(port.SendToWindow(status, 0x8006, 0, 0), 0);
  port.InvalidateWindow(status, true);
  port.SendToWindow(second, 0x8006, 1, 2);
  port.InvalidateWindow(second, true);
  EXPECT_EQ(sim.Events(), (std::vector<SimEvent>{SimEvent::Sent(second, {0x8006, 1, 2}),
                                                 SimEvent::Invalidated(second, true)}));
}

TEST(SimInputMethod, WindowProcedureAnswersSentMessages) {
  SimInputMethod sim;
  InputMethodPort& port = sim;
  const WindowHandle ui = sim.AddWindow(u"KellavorIME_UI");
  std::vector<uint32_t> received;
  sim.SetWindowProcedure(ui, [&](uint32_t message, uintptr_t, intptr_t lParam) {
    received.push_back(message);
    return lParam + 1;
  });
  EXPECT_EQ(port.SendToWindow(ui, 0x8004, 0, 41), 42);
  EXPECT_EQ(received, std::vector<uint32_t>{0x8004});
  EXPECT_EQ(sim.Events(), std::vector<SimEvent>{SimEvent::Sent(ui, {0x8004, 0, 41})}) << "logged before it is handled";
}

TEST(SimInputMethod, ClipboardPasteAndKeyState) {
  SimInputMethod sim;
  InputMethodPort& port = sim;
  const WindowHandle editor = sim.AddWindow(u"Edit");
  sim.SetForeground(editor);

  EXPECT_TRUE(port.SetClipboardText(port.ForegroundWindow(), u"国語"));
  port.SendKeyEvent(0x11, false);
  EXPECT_LT(port.GetKeyState(0x11), 0) << "a simulated press holds the key";
  port.SendKeyEvent(0x56, false);
  port.SendKeyEvent(0x56, true);
  port.SendKeyEvent(0x11, true);
  EXPECT_EQ(port.GetKeyState(0x11) & 0x8000, 0);
  EXPECT_EQ(sim.ClipboardText(), u"国語");
  EXPECT_EQ(sim.Events(),
            (std::vector<SimEvent>{SimEvent::Clipboard(editor, u"国語"), SimEvent::KeyStroke(0x11, false),
                                   SimEvent::KeyStroke(0x56, false), SimEvent::KeyStroke(0x56, true),
                                   SimEvent::KeyStroke(0x11, true)}));

  // Caps Lock toggles on each press, not on the release or an auto-repeat.
  port.SendKeyEvent(0x14, false);
  port.SendKeyEvent(0x14, false);
  port.SendKeyEvent(0x14, true);
  EXPECT_EQ(port.GetKeyState(0x14), 1);
  EXPECT_EQ(port.GetKeyboardState()[0x14], 0x01);
  EXPECT_EQ(port.ToAscii('Q', 0x10, port.GetKeyboardState()), u"Q");
}

}  // namespace
}  // namespace kellavor::platform
