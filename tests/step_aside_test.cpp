// Out of the way of full-screen programs and of the programs the user lists.
#include "fixture.h"
#include "overlay/front.h"
#include "overlay/program_list.h"
#include "overlay/tray_menu.h"
#include "resources/texts.h"
#include "settings/schedule.h"

namespace dv::fake {
namespace {

using namespace menu;

constexpr PixelRect kMain{0, 0, 1024, 768};
constexpr PixelRect kSide{1024, 0, 2048, 768};

class StepAside : public ProgramTest {
   protected:
    StepAside() { fake.monitors = {kMain, kSide}; }
    // Another program's window in front, as `shape` has it.
    Handle Front(std::function<void(OutsideWindow&)> shape) {
        const Handle h = fake.UserWindow();
        fake.ChangeOutside(h, std::move(shape));
        fake.BringToFront(h);
        return h;
    }
    static auto FullScreenOn(const PixelRect& monitor) {
        return [monitor](OutsideWindow& w) {
            w.rect = monitor;
            w.caption = false;
        };
    }
    bool OverlayShown() { return fake.WindowOf(program.frmNight)->visible; }
    bool CompanionShown() {
        return fake.WindowOf(*program.night.Companions().All().at(0))->visible;
    }
    const MenuItem* Item(int id) {
        for (const MenuItem& item : fake.menus.back())
            if (item.id == id) return &item;
        return nullptr;
    }
};

TEST_F(StepAside, AFullScreenProgramHidesTheLayerOfItsMonitorAlone) {
    Put("PauseFullScreen", "1");
    LaunchToNight();
    const Handle film = Front(FullScreenOn(kSide));
    EXPECT_FALSE(CompanionShown());
    EXPECT_TRUE(OverlayShown()) << "the other monitor keeps its layer";
    const int raised =
        fake.Count("SetWindowPos", program.night.Companions().All()[0]->NativeHandle());
    fake.Advance(200);
    EXPECT_EQ(fake.Count("SetWindowPos", program.night.Companions().All()[0]->NativeHandle()),
              raised)
        << "no keep-on-top over the film";

    fake.ChangeOutside(film, [](OutsideWindow& w) { w.rect.right -= 1; });
    EXPECT_TRUE(CompanionShown()) << "a pixel short of its monitor";
    fake.ChangeOutside(film, FullScreenOn(kMain));
    EXPECT_FALSE(OverlayShown());
    EXPECT_TRUE(CompanionShown());
    fake.BringToFront(fake.UserWindow());
    EXPECT_TRUE(OverlayShown()) << "another window in front";
}

TEST_F(StepAside, NotFullScreenTheShellOursOrAWindowWithATitleBar) {
    Put("PauseFullScreen", "1");
    LaunchToNight();
    Front([](OutsideWindow& w) {  // maximized, the taskbar hidden: every edge, with a title bar
        w.rect = kMain;
    });
    EXPECT_TRUE(OverlayShown());
    Front([](OutsideWindow& w) {
        w.rect = kMain;
        w.caption = false;
        w.shell = true;  // the desktop
    });
    EXPECT_TRUE(OverlayShown());
    const Handle taskbar = Front(FullScreenOn(kMain));
    fake.Run([&] { fake.notificationArea = taskbar; });
    fake.BringToFront(taskbar);
    EXPECT_TRUE(OverlayShown());
    fake.BringToFront(program.night.Companions().All()[0]->NativeHandle());
    EXPECT_TRUE(OverlayShown()) << "a layer of its own covers its monitor";
    Front([](OutsideWindow& w) {  // maximized, drawing its own title bar: past every edge
        w.rect = {-8, -8, 1032, 776};
        w.caption = false;
        w.maximizedFrame = true;
    });
    EXPECT_TRUE(OverlayShown());
}

TEST_F(StepAside, TheSystemsFullScreenAndPresentationStatesCount) {
    Put("PauseFullScreen", "1");
    LaunchToNight();
    for (const int state : {kQunsBusy, kQunsD3dFullScreen, kQunsPresentation}) {
        fake.userState = state;
        Front([](OutsideWindow& w) { w.rect = {1100, 100, 1500, 500}; });
        EXPECT_FALSE(CompanionShown()) << state;
        fake.userState = 5;  // accepts notifications
        fake.BringToFront(fake.UserWindow());
        EXPECT_TRUE(CompanionShown()) << state;
    }
}

TEST_F(StepAside, ListedProgramsHideEveryLayerByNameOrByFullPathWhateverTheirCase) {
    Put("PauseFor", " Photoshop.exe ||C:/Tools\\x.exe|" + std::string(261, 'a') + "|vlc.exe");
    LaunchToNight();
    Front([](OutsideWindow& w) { w.program = "C:\\Apps\\PHOTOSHOP.EXE"; });
    EXPECT_FALSE(OverlayShown()) << "the blanks around a name are no part of it";
    EXPECT_FALSE(CompanionShown());
    EXPECT_FALSE(program.frmNight.keepOnTop.Enabled()) << "no keep-on-top while it is in front";
    Front([](OutsideWindow& w) { w.program = "D:\\x.exe"; });
    EXPECT_TRUE(OverlayShown()) << "an entry with a path names that program alone";
    Front([](OutsideWindow& w) { w.program = "c:\\tools\\X.EXE"; });
    EXPECT_FALSE(OverlayShown());
    Front([](OutsideWindow& w) { w.program = "C:\\vlc\\vlc.exe"; });
    EXPECT_FALSE(OverlayShown()) << "the entries after a bad one still work";
    Front([](OutsideWindow& w) { w.program.clear(); });  // a process that cannot be opened
    EXPECT_TRUE(OverlayShown());
    EXPECT_TRUE(program.frmNight.keepOnTop.Enabled());
}

TEST_F(StepAside, APickChangesOnlyWhatItMustOfTheListAsStoredNow) {
    Put("PauseFor", "C:\\Games\\game.exe | vlc.exe ");
    LaunchToNight();
    Front([](OutsideWindow& w) { w.program = "C:\\Apps\\Photoshop.exe"; });
    PickInMenu(kPauseFor);
    EXPECT_EQ(Item(kPauseFor)->text, "Photoshop.exe 在前台时暂停");
    EXPECT_FALSE(Item(kPauseFor)->checked);
    EXPECT_EQ(Stored("PauseFor"), "C:\\Games\\game.exe | vlc.exe |Photoshop.exe");
    fake.BringToFront(fake.foreground);
    EXPECT_FALSE(OverlayShown()) << "hidden as soon as it is back in front";
    Put("PauseFor", Stored("PauseFor") + "|mpv.exe");  // edited by hand meanwhile
    PickInMenu(kPauseFor);
    EXPECT_TRUE(Item(kPauseFor)->checked);
    EXPECT_EQ(Stored("PauseFor"), "C:\\Games\\game.exe | vlc.exe |mpv.exe");
    EXPECT_TRUE(OverlayShown());
    Front([](OutsideWindow& w) { w.program = "c:\\games\\GAME.exe"; });
    PickInMenu(kPauseFor);
    EXPECT_TRUE(Item(kPauseFor)->checked) << "matched by its full path";
    EXPECT_EQ(Stored("PauseFor"), " vlc.exe |mpv.exe");
    Put("PauseFor", "vlc.exe");
    Front([](OutsideWindow& w) { w.program = "vlc.exe"; });
    PickInMenu(kPauseFor);
    EXPECT_EQ(Stored("PauseFor"), "");
    EXPECT_EQ(fake.CallsNamed("WatchFront").back().args[0], 0)
        << "nothing watched with nothing listed";
}

TEST_F(StepAside, AStoreAppIsKnownByItsOwnProgramNotByTheFrameAroundIt) {
    LaunchToNight();
    const Handle app = fake.UserWindow();
    fake.ChangeOutside(app, [](OutsideWindow& w) {
        w.program = "C:\\Program Files\\WindowsApps\\Calc\\CalculatorApp.exe";
    });
    const Handle frame = Front([app](OutsideWindow& w) {
        w.program = "C:\\Windows\\System32\\ApplicationFrameHost.exe";
        w.coreWindow = app;
    });
    PickInMenu(kPauseFor);
    EXPECT_EQ(Item(kPauseFor)->text, "CalculatorApp.exe 在前台时暂停");
    EXPECT_EQ(Stored("PauseFor"), "CalculatorApp.exe");
    fake.BringToFront(frame);
    EXPECT_FALSE(OverlayShown());
    fake.ChangeOutside(frame, [](OutsideWindow& w) { w.coreWindow = 0; });
    fake.BringToFront(fake.UserWindow());
    fake.BringToFront(frame);
    PickInMenu(kNone);
    EXPECT_EQ(Item(kPauseFor), nullptr) << "never the frame, which every Store app shares";
}

TEST_F(StepAside, AListThatCannotBeReadIsNeverWrittenOverAndANameShowsAsItIs) {
    fake.store["PauseFor"] = {StoredText::Kind::Unreadable, {}};
    LaunchToNight();
    Front([](OutsideWindow& w) { w.program = "R&D.exe"; });
    PickInMenu(kPauseFor);
    EXPECT_EQ(Item(kPauseFor)->text, "R&&D.exe 在前台时暂停");
    EXPECT_EQ(fake.store["PauseFor"].kind, StoredText::Kind::Unreadable);
}

TEST_F(StepAside, TheItemIsLeftOutForTheDesktopOurOwnOrAProcessThatCannotBeOpened) {
    LaunchToNight();
    PickInMenu(kNone);
    EXPECT_EQ(Item(kPauseFor), nullptr) << "no window of another program";
    fake.Run([&] { fake.foreground = program.night.Companions().All()[0]->NativeHandle(); });
    PickInMenu(kNone);
    EXPECT_EQ(Item(kPauseFor), nullptr) << "a window of Duskveil's own";
    Front([](OutsideWindow& w) { w.shell = true; });
    PickInMenu(kNone);
    EXPECT_EQ(Item(kPauseFor), nullptr);
    Front([](OutsideWindow& w) { w.program.clear(); });
    PickInMenu(kNone);
    EXPECT_EQ(Item(kPauseFor), nullptr);
}

TEST_F(StepAside, ARefusedWriteOrAFullListChangesNothing) {
    std::string full;
    for (int i = 0; i < 70; ++i) full += "p" + std::to_string(i) + ".exe|";
    Put("PauseFor", full);
    LaunchToNight();
    Front([](OutsideWindow& w) { w.program = "p64.exe"; });
    EXPECT_TRUE(OverlayShown()) << "beyond the 64th";
    PickInMenu(kPauseFor);
    EXPECT_EQ(Item(kPauseFor)->text, "p64.exe 在前台时暂停 (列表已满)");
    EXPECT_FALSE(Item(kPauseFor)->enabled);
    EXPECT_EQ(Stored("PauseFor"), full) << "a full list takes no more";
    fake.refusedWrites.insert("PauseFor");
    Front([](OutsideWindow& w) { w.program = "p3.exe"; });
    PickInMenu(kPauseFor);
    EXPECT_TRUE(Item(kPauseFor)->enabled) << "a listed one can always be taken off";
    fake.BringToFront(fake.foreground);
    EXPECT_FALSE(OverlayShown()) << "still listed";
    fake.refusedWrites.insert("PauseFullScreen");
    PickInMenu(kPauseFullScreen);
    EXPECT_FALSE(program.night.Settings().pauseFullScreen);
}

TEST_F(StepAside, APauseOrAFadeMeetingAListedProgramEachHaveTheirSay) {
    Put("PauseFor", "vlc.exe");
    Put("Schedule", "21:00-07:00");
    // Started in the morning fade, at half the strength.
    fake.wallStart = DaysFromCivil({2026, 12, 7}) * 86400 + 7 * 3600 + 10 * 60 - 5;
    LaunchToNight();
    const Handle player = Front([](OutsideWindow& w) { w.program = "vlc.exe"; });
    EXPECT_FALSE(OverlayShown());
    fake.Advance(5 * 60 * 1000);
    fake.BringToFront(fake.UserWindow());
    EXPECT_TRUE(OverlayShown());
    EXPECT_EQ(fake.WindowOf(program.frmNight)->alpha, 37) << "back where the fade is now";
    fake.BringToFront(player);
    fake.Advance(6 * 60 * 1000);
    fake.BringToFront(fake.UserWindow());
    EXPECT_FALSE(OverlayShown()) << "the fade ended meanwhile";
    PickInMenu(kNoSchedule);
    fake.PressHotKey(kModAlt, kVkEnd);  // pause
    const Handle film = Front([](OutsideWindow& w) { w.program = "vlc.exe"; });
    fake.BringToFront(fake.UserWindow());
    EXPECT_FALSE(OverlayShown()) << "still paused";
    fake.PressHotKey(kModAlt, kVkEnd);
    EXPECT_TRUE(OverlayShown());
    fake.BringToFront(film);
    EXPECT_FALSE(OverlayShown());
    fake.PressHotKey(kModAlt, kVkEnd);
    fake.PressHotKey(kModAlt, kVkEnd);  // paused and resumed while it is in front
    EXPECT_FALSE(OverlayShown());
}

TEST_F(StepAside, BothOptionsOffWatchNothingAndHideNothing) {
    LaunchToNight();
    Front(FullScreenOn(kMain));
    EXPECT_TRUE(OverlayShown());
    EXPECT_TRUE(fake.CallsNamed("WatchFront").empty());
    EXPECT_TRUE(fake.CallsNamed("ProgramOf").empty());
}

TEST(ProgramList, ReadBoundedAndEditedInPlace) {
    const std::string text = "a.exe| b/c.exe ||" + std::string(261, 'x') + "|d.exe";
    const auto list = ParseProgramList(text);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].name, "b/c.exe");
    EXPECT_EQ(text.substr(list[1].begin, list[1].end - list[1].begin), " b/c.exe ");
    EXPECT_EQ(WithoutEntries(text, {list[0], list[2]}), " b/c.exe ||" + std::string(261, 'x'));
    EXPECT_EQ(WithoutEntries("a.exe|d.exe", {ParseProgramList("a.exe|d.exe")[1]}), "a.exe");
    EXPECT_EQ(WithEntry("", "a.exe"), "a.exe");
    EXPECT_TRUE(ListableName(std::string(260, 'x')));
    EXPECT_FALSE(ListableName(std::string(261, 'x')));
    std::string wide;
    for (int i = 0; i < 200; ++i) wide += "写";
    EXPECT_TRUE(ListableName(wide + ".exe")) << "characters, not bytes";
}

}  // namespace
}  // namespace dv::fake
