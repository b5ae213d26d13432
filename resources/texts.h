// The program's own texts that more than one window shows.
#pragma once

namespace dv::text {

// Between the two times of a span in the menu: blank, en dash, blank.
inline constexpr const char* kMenuSpanDash = " – ";

// Every text the user reads, in each of the program's two languages, each
// stated here once: the windows' designs take the Chinese. The contact
// lines' widths at 12 pt are those the layouts are drawn for: 29, 28 and 18
// half-width cells, in both languages.
enum class Language { Chinese, English };

struct Texts {
    // The splash.
    const char* slogan;
    const char* usage;
    // The settings window; `close` and `brightness` name the "×" and the
    // slider for screen readers.
    const char* tint;
    const char* light;
    const char* swatch;
    const char* turnOff;  // the button, and the menu's last item
    const char* close;
    const char* brightness;
    // What a screen reader calls pressing a button and following a link.
    const char* press;
    const char* jump;
    // Both windows.
    const char* contactAuthor;
    const char* contactFeedback;
    const char* contactLink;
    // The tray icon's menu.
    const char* menuSettings;
    const char* menuAllScreens;
    const char* menuHideInCaptures;
    const char* menuStartAtLogOn;
    const char* menuSchedule;
    const char* menuNoSchedule;
    const char* menuSun;
    const char* menuPause;
    const char* menuResume;
    // The hot keys' item: its name, then in brackets the combinations, or
    // those another program holds, joined, with what is said of one or more.
    const char* menuHotKeys;
    const char* listJoin;
    const char* takenOne;
    const char* takenMany;
    // A level for each monitor: the menu's item, and the settings window's
    // line that names the monitor it edits, before the system's number.
    const char* menuPerMonitor;
    const char* monitor;
};

inline constexpr Texts kChinese{
    "夜间呵护您的眼睛", "说明：使用过程中可点击托盘图标进行设置",
    "色调", "亮度", "点击此处选择颜色", "关闭夜间模式", "关闭", "亮度", "按下", "跳转",
    "作者：Duskveil 开源项目贡献者", "反馈：请在项目主页上提交问题", "访问 Duskveil 主页",
    "设置", "覆盖所有显示器", "截图时隐藏色调", "开机时启动", "定时", "不定时", "日落到日出",
    "暂停一小时", "继续夜间模式",
    "快捷键", "、", " 被其他程序占用", " 被其他程序占用",
    "分别调节每个显示器", "显示器 ",
};

inline constexpr Texts kEnglish{
    "Kind to your eyes", "Tip: the tray icon opens the settings",
    "Tint", "Light", "Choose a colour", "Turn night mode off", "Close", "Brightness", "Press",
    "Jump",
    "Author: Duskveil contributors", "Feedback: on the home page", "Duskveil home page",
    "Settings", "Cover every monitor", "Hide the tint in screenshots", "Start at log-on",
    "Schedule", "No schedule", "Sunset to sunrise", "Pause for an hour", "Resume night mode",
    "Hot keys", ", ", " is taken by another program", " are taken by another program",
    "Adjust each monitor separately", "Monitor ",
};

inline constexpr const Texts& TextsFor(Language language) {
    return language == Language::English ? kEnglish : kChinese;
}

// The contact link starts this browser, two blanks, then the address.
inline constexpr const char* kBrowser = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
inline constexpr const char* kHomePage = "https://duskveil.example/";

}  // namespace dv::text
