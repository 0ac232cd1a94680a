// Window definitions as data: a window's frame, its controls and the events
// bound to them. The run time builds real windows from these (window.h).
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace runtime {

using Handler = std::function<void()>;

// Kinds of control by the names the definitions use.
inline constexpr const char kTransparentLabel[] = "透明标签";
inline constexpr const char kEditBox[] = "编辑框";
inline constexpr const char kButton[] = "按钮";
inline constexpr const char kGroupBox[] = "分组框";
inline constexpr const char kPictureBox[] = "图片框";
inline constexpr const char kBrowserBox[] = "超文本浏览框";

struct ControlDef {
  std::string kind;    // one of the kind names above
  std::string name;    // e.g. "编辑框1"
  std::string parent;  // empty: the window itself; else another control's name
  int left = 0, top = 0, width = 0, height = 0;
  std::string text;
  DWORD style = 0;     // styles beyond the kind's own (ES_MULTILINE, WS_BORDER, ...)
};

enum class Border { none, fixed };

struct WindowDef {
  std::string title;
  int left = 50, top = 50, width = 0, height = 0;
  Border border = Border::fixed;
  bool minimize_box = true;
  bool maximize_box = false;
  bool centred = true;  // left and top are ignored when set
  std::vector<ControlDef> controls;
  Handler created;       // after the window and its controls exist, before it shows
  Handler size_changed;  // after every change of size
  std::vector<std::pair<std::string, Handler>> clicks;  // button name -> handler
};

}  // namespace runtime
