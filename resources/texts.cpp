#include "resources/texts.h"

namespace dv::text {

const Texts kChinese{
    "夜间呵护您的眼睛", "说明：使用过程中可点击托盘图标进行设置",
    "色调", "亮度", "点击此处选择颜色", "关闭夜间模式", "关闭", "亮度", "按下", "跳转",
    "作者：Duskveil 开源项目贡献者", "反馈：请在项目主页上提交问题", "访问 Duskveil 主页",
    "设置", "覆盖所有显示器", "截图时隐藏色调", "开机时启动", "定时", "不定时", "日落到日出",
    "暂停", "继续夜间模式",
    "快捷键", "、", " 被其他程序占用", " 被其他程序占用",
    "分别调节每个显示器", "显示器 ",
    "全屏时暂停", "", " 在前台时暂停", " (列表已满)",
    "显示器亮度", "不调节", "(没有显示器响应)",
    "15 分钟", "1 小时", "到早上", "直到我继续",
    "色温", "烛光", "白炽灯", "卤素灯",
    "设置快捷键…", "设置快捷键", "调暗", "调亮", "暂停/继续", "恢复默认", "确定", "取消",
    "以下快捷键无法读取，显示的是默认值：", " 重复了", "F7 用于打开设置窗口，不能用作快捷键",
    " 须与 Ctrl、Alt 或 Shift 同按", "：这个键不能用作快捷键", "快捷键未能保存", "无",
    "显示亮度提示", "亮度 ",
};

const Texts kEnglish{
    "Kind to your eyes", "Tip: the tray icon opens the settings",
    "Tint", "Light", "Choose a colour", "Turn night mode off", "Close", "Brightness", "Press",
    "Jump",
    "Author: Duskveil contributors", "Feedback: on the home page", "Duskveil home page",
    "Settings", "Cover every monitor", "Hide the tint in screenshots", "Start at log-on",
    "Schedule", "No schedule", "Sunset to sunrise", "Pause", "Resume night mode",
    "Hot keys", ", ", " is taken by another program", " are taken by another program",
    "Adjust each monitor separately", "Monitor ",
    "Pause for full-screen programs", "Pause while ", " is in front", " (list full)",
    "Monitor brightness", "Leave as it is", "(no monitor answers)",
    "15 minutes", "1 hour", "Until morning", "Until I resume",
    "Warmth", "candle", "incandescent", "halogen",
    "Choose hot keys…", "Choose hot keys", "Darker", "Brighter", "Pause/resume", "Defaults",
    "OK", "Cancel",
    "These stored keys did not read, so their defaults are shown: ", " is chosen twice",
    "F7 opens the settings window and cannot be a hot key", " needs Ctrl, Alt or Shift",
    ": this key cannot be a hot key", "The hot keys could not be stored", "none",
    "Show the level", "Brightness ",
};

}  // namespace dv::text
