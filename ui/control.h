#pragma once
// The base of every model control: the state a window shows (name, caption, enabled,
// visible) and the link to the view that shows it. The model is the source of truth:
// a change made in code is pushed to the bound view, a user's action in the view is
// forwarded to the model, which runs the handlers.
#include <string>

namespace ui {

class Control;

// What changed in a control, so that a view updates only that part.
enum class Change { Caption, Enabled, Visible, Value, Items, ItemAdded, Selection, Range };

// Implemented by whatever shows a control (a Win32 child window, a test recorder).
class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void modelChanged(Control& control, Change what) = 0;
};

class Control {
 public:
  explicit Control(std::string name, std::string caption = {});
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // The control's name in its window ("startButton"); never shown.
  const std::string& name() const { return name_; }

  // The text the control shows; for a text box, its contents.
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);

  // One view at a time; binding replaces the previous one, nullptr unbinds. The view
  // must unbind itself before it goes away.
  void bind(ControlView* view) { view_ = view; }
  ControlView* view() const { return view_; }

 protected:
  void notify(Change what);
  // For views forwarding a user's edit: takes the text without pushing it back.
  bool acceptCaption(const std::string& caption);

 private:
  std::string name_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  ControlView* view_ = nullptr;
};

}  // namespace ui
