// The skin engine seen from outside: skin_tests starts itself as the skinned test window in
// a directory holding the skin file under test, and checks the colours that window shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "Probes.h"
#include "SkinHost.h"

namespace {

struct Palette {
    COLORREF background, text, groupBorder, groupTitle, button, buttonHover, buttonPressed,
        buttonBorder, buttonText, accent, edit, editText, editBorder, tab, tabSelectedText;
};

// As typed in resources/skin/feijian.skin.
constexpr Palette kFeijian{
    .background = Hex(0xFFFFFF),
    .text = Hex(0x1F2933),
    .groupBorder = Hex(0xC9D3DE),
    .groupTitle = Hex(0x1D5A94),
    .button = Hex(0xEEF3F8),
    .buttonHover = Hex(0xDCE8F5),
    .buttonPressed = Hex(0xC6D9EF),
    .buttonBorder = Hex(0xA9B8C9),
    .buttonText = Hex(0x1F2933),
    .accent = Hex(0x2B6CB0),
    .edit = Hex(0xFFFFFF),
    .editText = Hex(0x1F2933),
    .editBorder = Hex(0xB4C1CF),
    .tab = Hex(0xE9EEF4),
    .tabSelectedText = Hex(0x1D5A94),
};

// As typed in tests/skin/jade.skin.
constexpr Palette kJade{
    .background = Hex(0xF4F8F1),
    .text = Hex(0x24332A),
    .groupBorder = Hex(0xA9C4AE),
    .groupTitle = Hex(0x2E6B3F),
    .button = Hex(0xE1EEDD),
    .buttonHover = Hex(0xCFE5CB),
    .buttonPressed = Hex(0xB5D6B1),
    .buttonBorder = Hex(0x7FA487),
    .buttonText = Hex(0x1C2B21),
    .accent = Hex(0xB8591A),
    .edit = Hex(0xFFFFF4),
    .editText = Hex(0x202A22),
    .editBorder = Hex(0x8FB096),
    .tab = Hex(0xDCEAD8),
    .tabSelectedText = Hex(0x2E6B3F),
};

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr DWORD kHostTimeoutMs = 60000;

std::string ExeDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of('\\'));
}

std::string InExeDirectory(const std::string& name) {
    return ExeDirectory() + "\\" + name;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct ProcessHandles {
    PROCESS_INFORMATION info{};
    ProcessHandles() = default;
    ProcessHandles(const ProcessHandles&) = delete;
    ProcessHandles& operator=(const ProcessHandles&) = delete;
    ~ProcessHandles() {
        if (info.hProcess) {
            CloseHandle(info.hProcess);
            CloseHandle(info.hThread);
        }
    }
};

struct HostRun {
    DWORD exitCode = 0;
    Probes probes;
};

// Runs the skinned test window in its own directory, which holds `skin` as skinh.she
// (no skin file at all when there is none).
HostRun RunHost(const std::string& name, const std::optional<std::string>& skin,
                const std::string& extraArguments = "") {
    const std::string cases = InExeDirectory("cases");
    const std::string directory = cases + "\\" + name;
    CreateDirectoryA(cases.c_str(), nullptr);
    CreateDirectoryA(directory.c_str(), nullptr);
    const std::string skinPath = directory + "\\skinh.she";
    const std::string probesPath = directory + "\\" + kProbesFile;
    DeleteFileA(skinPath.c_str());
    DeleteFileA(probesPath.c_str());
    if (skin) {
        std::ofstream(skinPath, std::ios::binary) << *skin;
    }

    std::string command = "\"" + InExeDirectory("skin_tests.exe") + "\" --host \"" +
                          InExeDirectory("SkinH_EL.dll") + "\"" + extraArguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ProcessHandles process;
    HostRun run;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process.info)) {
        ADD_FAILURE() << "cannot start the test window, error " << GetLastError();
        return run;
    }
    if (WaitForSingleObject(process.info.hProcess, kHostTimeoutMs) == WAIT_TIMEOUT) {
        TerminateProcess(process.info.hProcess, 1);
        ADD_FAILURE() << name << ": the test window hung";
    }
    GetExitCodeProcess(process.info.hProcess, &run.exitCode);
    EXPECT_EQ(run.exitCode, 0u) << name << ": the test window did not end normally";
    run.probes = ReadProbes(probesPath.c_str());
    return run;
}

// One run per skin file serves every test that reads its window.
const Probes& ShownWith(const std::string& name, const std::optional<std::string>& skin,
                        const std::string& extraArguments = "") {
    static std::map<std::string, HostRun> runs;
    auto found = runs.find(name);
    if (found == runs.end()) {
        found = runs.emplace(name, RunHost(name, skin, extraArguments)).first;
    }
    return found->second.probes;
}

std::string Join(const std::set<COLORREF>& colours) {
    std::string text;
    for (const COLORREF colour : colours) {
        text += (text.empty() ? "" : " ") + ColourText(colour);
    }
    return text.empty() ? "nothing" : text;
}

// The colour of a one-pixel probe, as RRGGBB, so that failures read like the skin source.
std::string Pixel(const Probes& probes, const std::string& name) {
    const auto found = probes.colours.find(name);
    return found == probes.colours.end() ? "no probe" : Join(found->second);
}

testing::AssertionResult Shows(const Probes& probes, const std::string& name, COLORREF colour) {
    const auto found = probes.colours.find(name);
    if (found != probes.colours.end() && found->second.contains(colour)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << name << " shows no " << ColourText(colour) << " but " << Pixel(probes, name);
}

long Number(const Probes& probes, const std::string& name) {
    const auto found = probes.numbers.find(name);
    return found == probes.numbers.end() ? -1 : found->second;
}

std::string SystemColour(int index) {
    return ColourText(GetSysColor(index));
}

std::string FeijianSkin() {
    return ReadBytes(InExeDirectory("skinh.she"));
}

struct PaletteCase {
    const char* name;
    const char* skinFile;
    const Palette* palette;
};

void PrintTo(const PaletteCase& palette, std::ostream* out) {
    *out << palette.name;
}

class SkinnedWindow : public testing::TestWithParam<PaletteCase> {
protected:
    const Probes& Shown() const {
        return ShownWith(GetParam().name, ReadBytes(InExeDirectory(GetParam().skinFile)));
    }
    const Palette& Expected() const { return *GetParam().palette; }
};

TEST_P(SkinnedWindow, AttachReportsSuccess) {
    EXPECT_EQ(Number(Shown(), "attach.result"), 1);
}

// The skinned windows run the engine's code until they are destroyed.
TEST_P(SkinnedWindow, EngineStaysLoadedWhenTheProgramReleasesIt) {
    EXPECT_EQ(Number(Shown(), "engine.kept"), 1);
}

TEST_P(SkinnedWindow, SurfacesTakeThePaletteColours) {
    const Probes& shown = Shown();
    const Palette& palette = Expected();
    for (const char* surface : {"window", "page", "tab.strip", "group.inside", "link.back"}) {
        EXPECT_EQ(Pixel(shown, surface), ColourText(palette.background)) << surface;
    }
    EXPECT_EQ(Pixel(shown, "tab.other"), ColourText(palette.tab));
    EXPECT_EQ(Pixel(shown, "group.frame"), ColourText(palette.groupBorder));
    EXPECT_EQ(Pixel(shown, "button.face"), ColourText(palette.button));
    EXPECT_EQ(Pixel(shown, "button.border"), ColourText(palette.buttonBorder));
    EXPECT_EQ(Pixel(shown, "edit.fill"), ColourText(palette.edit));
    EXPECT_EQ(Pixel(shown, "edit.border"), ColourText(palette.editBorder));
}

TEST_P(SkinnedWindow, TextsTakeThePaletteColours) {
    const Probes& shown = Shown();
    const Palette& palette = Expected();
    EXPECT_TRUE(Shows(shown, "label.text", palette.text));
    EXPECT_TRUE(Shows(shown, "group.title", palette.groupTitle));
    EXPECT_TRUE(Shows(shown, "button.text", palette.buttonText));
    EXPECT_TRUE(Shows(shown, "edit.text", palette.editText));
    EXPECT_TRUE(Shows(shown, "tab.selected.text", palette.tabSelectedText));
}

TEST_P(SkinnedWindow, ButtonFaceFollowsHoverPressAndFocus) {
    const Probes& shown = Shown();
    const Palette& palette = Expected();
    EXPECT_EQ(Pixel(shown, "button.hover"), ColourText(palette.buttonHover));
    EXPECT_EQ(Pixel(shown, "button.left"), ColourText(palette.button));
    EXPECT_EQ(Pixel(shown, "button.pressed"), ColourText(palette.buttonPressed));
    EXPECT_EQ(Pixel(shown, "button.focus"), ColourText(palette.accent));
}

TEST_P(SkinnedWindow, WindowsCreatedAfterAttachAreSkinned) {
    const Probes& shown = Shown();
    const Palette& palette = Expected();
    EXPECT_EQ(Pixel(shown, "late.window"), ColourText(palette.background));
    EXPECT_EQ(Pixel(shown, "late.button.face"), ColourText(palette.button));
    EXPECT_EQ(Pixel(shown, "late.edit.border"), ColourText(palette.editBorder));
    EXPECT_TRUE(Shows(shown, "late.group.title", palette.groupTitle));
    EXPECT_TRUE(Shows(shown, "late.label.text", palette.text));
}

INSTANTIATE_TEST_SUITE_P(Palettes, SkinnedWindow,
                         testing::Values(PaletteCase{"feijian", "skinh.she", &kFeijian},
                                         PaletteCase{"jade", "jade.she", &kJade}),
                         [](const auto& info) { return std::string(info.param.name); });

// The program colours its counter label and its hyperlinks itself.
TEST(ProgramColours, StayAsTheProgramSetThem) {
    const Probes& shown = ShownWith("feijian", FeijianSkin());
    EXPECT_TRUE(Shows(shown, "counter.text", kRed));
    EXPECT_FALSE(Shows(shown, "counter.text", kFeijian.text));
    EXPECT_TRUE(Shows(shown, "link.text", kLinkBlue));
    EXPECT_EQ(Pixel(shown, "browser.own"), ColourText(kBrowserHostColour));
}

// Below a window of a class the skin does not know (the browser's), nothing is touched.
TEST(BrowserWindows, AreLeftAlone) {
    const Probes& shown = ShownWith("feijian", FeijianSkin());
    EXPECT_EQ(Number(shown, "foreign.untouched"), 1);
    EXPECT_EQ(Number(shown, "late.foreign.untouched"), 1);
    EXPECT_EQ(Pixel(shown, "browser.inside"), SystemColour(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(shown, "browser.button"), SystemColour(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(shown, "late.browser.button"), SystemColour(COLOR_BTNFACE));
}

TEST(AttachTwice, KeepsTheFirstSkin) {
    const std::string again = " --again \"" + InExeDirectory("jade.she") + "\"";
    const Probes& shown = ShownWith("twice", FeijianSkin(), again);
    EXPECT_EQ(Number(shown, "attach.result"), 1);
    EXPECT_EQ(Number(shown, "attach.again.result"), 1);
    EXPECT_EQ(Pixel(shown, "window"), ColourText(kFeijian.background));
    EXPECT_EQ(Pixel(shown, "late.button.face"), ColourText(kFeijian.button));
    EXPECT_EQ(Pixel(shown, "button.hover"), ColourText(kFeijian.buttonHover));
    EXPECT_EQ(Pixel(shown, "button.left"), ColourText(kFeijian.button));
}

// Version 1 files: ".SHE\0", the version at byte 5, the corner radius at byte 6, then the
// border width and the colours, 62 bytes in all.
std::string WithByte(std::string skin, std::size_t at, char value) {
    skin.at(at) = value;
    return skin;
}

struct BrokenCase {
    const char* name;
    std::optional<std::string> (*make)(const std::string& valid);
    DWORD error;
};

const BrokenCase kBrokenCases[] = {
    {"missing", [](const std::string&) -> std::optional<std::string> { return std::nullopt; },
     ERROR_FILE_NOT_FOUND},
    {"empty", [](const std::string&) -> std::optional<std::string> { return ""; },
     ERROR_BAD_FORMAT},
    {"wrong_magic",
     [](const std::string& valid) -> std::optional<std::string> { return WithByte(valid, 3, 'F'); },
     ERROR_BAD_FORMAT},
    {"truncated",
     [](const std::string& valid) -> std::optional<std::string> {
         return valid.substr(0, valid.size() - 1);
     },
     ERROR_BAD_FORMAT},
    {"unknown_version",
     [](const std::string& valid) -> std::optional<std::string> { return WithByte(valid, 5, 2); },
     ERROR_REVISION_MISMATCH},
    {"radius_out_of_range",
     [](const std::string& valid) -> std::optional<std::string> {
         return WithByte(valid, 6, static_cast<char>(200));
     },
     ERROR_BAD_FORMAT},
};

void PrintTo(const BrokenCase& broken, std::ostream* out) {
    *out << broken.name;
}

class BrokenSkinFile : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenSkinFile, LeavesTheSystemLook) {
    const Probes& shown = ShownWith(GetParam().name, GetParam().make(FeijianSkin()));
    EXPECT_EQ(Number(shown, "attach.result"), 0);
    EXPECT_EQ(Number(shown, "attach.error"), static_cast<long>(GetParam().error));
    for (const char* surface : {"window", "button.face", "late.window", "late.button.face"}) {
        EXPECT_EQ(Pixel(shown, surface), SystemColour(COLOR_BTNFACE)) << surface;
    }
    EXPECT_TRUE(Shows(shown, "label.text", GetSysColor(COLOR_WINDOWTEXT)));
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenSkinFile, testing::ValuesIn(kBrokenCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--host") == 0) {
        return RunSkinHost(argc - 2, argv + 2);
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
