#pragma once
#include <windows.h>

// The toolkit's own window messages. Notifications (CM_) are sent to the control's window with
// SendMessage, so a window procedure installed over the toolkit's sees them like any other
// message; a control without a window gets them through Perform. Reflected messages (CN_) carry a
// child's WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR... from its parent window back to the child.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ENTER = 0xB002;              // the window gained the keyboard focus
inline constexpr UINT CM_EXIT = 0xB003;               // the window lost the keyboard focus
inline constexpr UINT CM_FONTCHANGED = 0xB009;        // Font changed
inline constexpr UINT CM_COLORCHANGED = 0xB00A;       // Color changed
inline constexpr UINT CM_VISIBLECHANGED = 0xB00B;     // Visible changed; WParam = new value
inline constexpr UINT CM_ENABLEDCHANGED = 0xB00C;     // Enabled changed
inline constexpr UINT CM_TEXTCHANGED = 0xB012;        // Caption/Text changed
inline constexpr UINT CM_MOUSEENTER = 0xB013;         // the mouse came over the control
inline constexpr UINT CM_MOUSELEAVE = 0xB014;         // the mouse left the control
inline constexpr UINT CM_RELEASE = 0xB021;            // posted by TCustomForm::Release: free the form
inline constexpr UINT CM_BORDERCHANGED = 0xB033;      // a form's BorderStyle or BorderIcons changed
inline constexpr UINT CM_RECREATEWND = 0xB034;        // the window is about to be destroyed and made again
inline constexpr UINT CM_PARENTCHANGED = 0xB03A;      // Parent changed

inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
inline constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
inline constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
inline constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
