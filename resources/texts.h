// The program's own texts that more than one window shows.
#pragma once

namespace dv::text {

// The contact lines of the splash and settings windows. Their widths at
// 12 pt are those the layouts are drawn for: 29, 28 and 18 half-width cells.
inline constexpr const char* kContactAuthor = "作者：Duskveil 开源项目贡献者";
inline constexpr const char* kContactFeedback = "反馈：请在项目主页上提交问题";
inline constexpr const char* kContactLink = "访问 Duskveil 主页";

// The tray icon's menu.
inline constexpr const char* kMenuSettings = "设置";
inline constexpr const char* kMenuAllScreens = "覆盖所有显示器";
inline constexpr const char* kMenuHideInCaptures = "截图时隐藏色调";
inline constexpr const char* kMenuStartAtLogOn = "开机时启动";
inline constexpr const char* kMenuTurnOff = "关闭夜间模式";
inline constexpr const char* kMenuSchedule = "定时";
inline constexpr const char* kMenuNoSchedule = "不定时";
inline constexpr const char* kMenuSun = "日落到日出";
inline constexpr const char* kMenuPause = "暂停一小时";
inline constexpr const char* kMenuResume = "继续夜间模式";
// Between the two times of a span in the menu: blank, en dash, blank.
inline constexpr const char* kMenuSpanDash = " – ";

// The contact link starts this browser, two blanks, then the address.
inline constexpr const char* kBrowser = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
inline constexpr const char* kHomePage = "https://duskveil.example/";

}  // namespace dv::text
