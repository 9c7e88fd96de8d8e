// The three dialog templates as the program's own resources (Chinese, PRC)
// hold them: every control's id, class, style, place, size and text.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "dialogs/dialog_template_reader.h"

namespace {

constexpr WORD kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
constexpr WORD kNoId = 65535;

constexpr DWORD kCheckBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefaultButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kGroupBox = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kText = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;

struct Item {
    WORD id;
    const char* className;
    DWORD style;
    short x, y, cx, cy;
    const char* text;
};

struct Expected {
    const char* name;
    DWORD style;
    short x, y, cx, cy;
    const char* caption;
    std::vector<Item> items;
};

const Expected kSetup = {
    "SETUPDLG",
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME | DS_SETFONT,
    0, 0, 331, 233,
    "Lumvex 简体中文版安装",
    {
        {1, "BUTTON", kButton, 111, 214, 50, 14, "确定"},
        {kNoId, "BUTTON", kGroupBox, 7, 5, 127, 132, "Lumvex 关联文件"},
        {5101, "BUTTON", kCheckBox, 16, 21, 37, 12, "LVX(&R)"},
        {5102, "BUTTON", kCheckBox, 16, 33, 37, 12, "ZIP(&Z)"},
        {5103, "BUTTON", kCheckBox, 16, 45, 37, 12, "CAB"},
        {5104, "BUTTON", kCheckBox, 16, 57, 37, 12, "ARJ"},
        {5105, "BUTTON", kCheckBox, 16, 69, 37, 12, "LZH"},
        {5106, "BUTTON", kCheckBox, 16, 81, 37, 12, "ACE"},
        {5107, "BUTTON", kCheckBox, 16, 93, 37, 12, "7-Zip"},
        {5108, "BUTTON", kCheckBox, 80, 21, 37, 12, "TAR"},
        {5109, "BUTTON", kCheckBox, 80, 33, 37, 12, "GZip"},
        {5110, "BUTTON", kCheckBox, 80, 45, 37, 12, "UUE"},
        {5111, "BUTTON", kCheckBox, 80, 57, 37, 12, "BZ2"},
        {5112, "BUTTON", kCheckBox, 80, 69, 37, 12, "JAR"},
        {5113, "BUTTON", kCheckBox, 80, 81, 37, 12, "ISO"},
        {5114, "BUTTON", kCheckBox, 80, 93, 37, 12, "Z"},
        {kNoId, "STATIC", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 8, 114, 127, 1, ""},
        {5121, "BUTTON", kButton, 16, 119, 50, 14, "全部选择(&A)"},
        {kNoId, "BUTTON", kGroupBox, 140, 5, 184, 57, "界面"},
        {5115, "BUTTON", kCheckBox, 148, 19, 170, 12, "在桌面创建 Lumvex 快捷方式(&D)"},
        {5116, "BUTTON", kCheckBox, 148, 31, 170, 12, "在开始菜单创建 Lumvex 快捷方式(&S)"},
        {5117, "BUTTON", kCheckBox, 148, 43, 170, 12, "创建 Lumvex 程序组(&P)"},
        {5118, "BUTTON", kCheckBox, 148, 78, 170, 12, "把 Lumvex 整合到资源管理器中(&I)"},
        {kNoId, "BUTTON", kGroupBox, 140, 65, 184, 72, "外壳整合设置"},
        {5119, "BUTTON", kCheckBox, 148, 90, 170, 12, "层叠右键关联菜单(&T)"},
        {5120, "BUTTON", kCheckBox, 148, 102, 170, 12, "在右键关联菜单中显示图标(&N)"},
        {9, "BUTTON", kButton, 169, 214, 50, 14, "帮助"},
        {kNoId, "BUTTON", kGroupBox, 7, 139, 317, 68, ""},
        {5122, "RICHEDIT",
         WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
         12, 147, 306, 55,
         "   这些选项控制 Lumvex 集成到 Windows 中。第一组选项允许选择可以 Lumvex 关联的文件类型。"
         "第二组让你选择 Lumvex 可执行文件链接的位置。而最后一组选项可以调节 Lumvex 集成到 Windows "
         "资源管理器中的属性。外壳整合提供方便的功能,像文件右键菜单的“解压”项目,所以通常没有禁止它的必要。"
         "\n    点击“帮助”按钮可以阅读关于这些选项的更多详细描述。"},
        {5123, "BUTTON", kButton, 148, 119, 100, 14, "选择关联菜单项目(&C)..."},
    },
};

const Expected kDone = {
    "DONEDLG",
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME | DS_SETFONT,
    0, 0, 331, 228,
    "Lumvex 简体中文版安装",
    {
        {1, "BUTTON", kButton, 140, 209, 50, 14, "完成"},
        {kNoId, "STATIC", kText, 17, 14, 122, 8, "Lumvex 已经成功地安装到文件夹"},
        {5101, "STATIC", kText, 142, 14, 172, 8, ""},
        {kNoId, "STATIC", kText, 17, 33, 297, 16,
         "使用 Lumvex “选项”菜单中的“设置...”命令可以定制更多的选项。"},
        {kNoId, "STATIC", kText, 17, 53, 297, 16,
         "如果这是你第一次安装 Lumvex, 请不要忘记阅读在线帮助。"},
        {5108, "STATIC", kText, 17, 74, 297, 22,
         "Lumvex 不是免费软件。购买许可证就是支持 Lumvex 的进一步开发。"},
        {5109, "STATIC", kText, 17, 101, 297, 16,
         "在 Lumvex 主页上可以获得最新版本, 也可以购买许可证。"},
        {kNoId, "BUTTON", kGroupBox, 8, 2, 314, 125, ""},
        {5102, "BUTTON", kButton, 11, 134, 70, 14, "运行 Lumvex(&R)"},
        {5103, "BUTTON", kButton, 84, 134, 60, 14, "阅读帮助(&H)"},
        {5104, "BUTTON", kButton, 146, 134, 60, 14, "查看许可(&L)"},
        {5105, "BUTTON", kButton, 208, 134, 60, 14, "定购(&P)"},
        {5106, "BUTTON", kButton, 269, 134, 50, 14, "主页(&M)"},
        {kNoId, "BUTTON", kGroupBox, 8, 152, 314, 50, ""},
        {5107, "STATIC", WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER, 17, 173, 297, 8,
         "感谢使用 Lumvex 简体中文版!"},
    },
};

const Expected kContextItems = {
    "CONTEXTITEMS",
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    42, 45, 243, 188,
    "关联菜单项目",
    {
        {kNoId, "BUTTON", kGroupBox, 7, 7, 229, 154, "选择显示在资源管理器右键菜单中的项目"},
        {101, "BUTTON", kCheckBox, 16, 21, 210, 12, "解压文件(&A)..."},
        {102, "BUTTON", kCheckBox, 16, 33, 210, 12, "解压到当前文件夹(&X)"},
        {103, "BUTTON", kCheckBox, 16, 45, 210, 12, "解压到<文件夹\\>(&E)"},
        {104, "BUTTON", kCheckBox, 16, 57, 210, 12, "解压每个压缩文件到单独的文件夹(&S)"},
        {105, "BUTTON", kCheckBox, 16, 69, 210, 12, "用 Lumvex 打开(用于自解压文件)"},
        {106, "BUTTON", kCheckBox, 16, 81, 210, 12, "添加到压缩文件中(&A)..."},
        {107, "BUTTON", kCheckBox, 16, 93, 210, 12, "添加到<压缩文件名>(&T)"},
        {108, "BUTTON", kCheckBox, 16, 105, 210, 12, "压缩到<压缩文件名>并 E-mail"},
        {109, "BUTTON", kCheckBox, 16, 117, 210, 12, "压缩并 E-mail..."},
        {110, "BUTTON", kCheckBox, 16, 129, 210, 12, "测试压缩文件(&R)"},
        {111, "BUTTON", kCheckBox, 16, 141, 210, 12, "转换压缩文件格式(&V)..."},
        {1, "BUTTON", kDefaultButton, 35, 168, 50, 14, "确定"},
        {2, "BUTTON", kButton, 97, 168, 50, 14, "取消"},
        {9, "BUTTON", kButton, 158, 168, 50, 14, "帮助"},
    },
};

class DialogTemplates : public ::testing::TestWithParam<const Expected*> {};

TEST_P(DialogTemplates, MatchTheirDescriptionInChinese) {
    const Expected& want = *GetParam();
    DialogTemplate got;
    std::string error;
    ASSERT_TRUE(ReadDialogTemplate(GetModuleHandleA(nullptr), want.name, kChinese, &got, &error))
        << want.name << ": " << error;
    EXPECT_EQ(want.style, got.style) << std::hex << "style got 0x" << got.style;
    EXPECT_EQ(0u, got.exStyle);
    EXPECT_EQ(want.x, got.x);
    EXPECT_EQ(want.y, got.y);
    EXPECT_EQ(want.cx, got.cx);
    EXPECT_EQ(want.cy, got.cy);
    EXPECT_EQ(want.caption, got.caption);
    EXPECT_EQ(9, got.fontSize);
    EXPECT_EQ("宋体", got.fontName);
    ASSERT_EQ(want.items.size(), got.items.size());
    for (size_t i = 0; i < want.items.size(); ++i) {
        const Item& w = want.items[i];
        const TemplateItem& g = got.items[i];
        SCOPED_TRACE(std::string(want.name) + " control #" + std::to_string(i) + " id " +
                     std::to_string(w.id));
        EXPECT_EQ(w.id, g.id);
        EXPECT_EQ(w.className, g.className);
        EXPECT_EQ(w.style, g.style) << std::hex << "got 0x" << g.style << " want 0x" << w.style;
        EXPECT_EQ(0u, g.exStyle);
        EXPECT_EQ(w.x, g.x);
        EXPECT_EQ(w.y, g.y);
        EXPECT_EQ(w.cx, g.cx);
        EXPECT_EQ(w.cy, g.cy);
        EXPECT_EQ(w.text, g.text);
    }
}

INSTANTIATE_TEST_SUITE_P(All, DialogTemplates,
                         ::testing::Values(&kSetup, &kDone, &kContextItems),
                         [](const ::testing::TestParamInfo<const Expected*>& info) {
                             return std::string(info.param->name);
                         });

// The control counts the three dialogs are known by.
TEST(DialogTemplateCounts, AreThirtyFifteenAndFifteen) {
    const struct { const char* name; size_t count; } kCases[] = {
        {"SETUPDLG", 30}, {"DONEDLG", 15}, {"CONTEXTITEMS", 15}};
    for (const auto& c : kCases) {
        DialogTemplate got;
        std::string error;
        ASSERT_TRUE(ReadDialogTemplate(GetModuleHandleA(nullptr), c.name, kChinese, &got, &error))
            << error;
        EXPECT_EQ(c.count, got.items.size()) << c.name;
    }
}

}  // namespace
