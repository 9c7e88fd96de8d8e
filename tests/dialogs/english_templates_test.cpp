// The English dialog templates of the language library: the same controls in
// the same places as the program's own Chinese templates, with English texts.
#include <gtest/gtest.h>
#include <windows.h>

#include "dialogs/dialog_template_reader.h"

namespace {

constexpr WORD kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
constexpr WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

bool IsPrintableAscii(const std::string& text) {
    for (unsigned char c : text)
        if ((c < 0x20 && c != '\n') || c > 0x7E) return false;
    return true;
}

TEST(EnglishTemplates, MatchTheChineseLayoutWithEnglishTexts) {
    for (const char* name : {"SETUPDLG", "DONEDLG", "CONTEXTITEMS"}) {
        SCOPED_TRACE(name);
        DialogTemplate chinese, english;
        std::string error;
        ASSERT_TRUE(ReadDialogTemplate(GetModuleHandleA(nullptr), name, kChinese, &chinese, &error))
            << error;
        ASSERT_TRUE(ReadDialogTemplate(GetModuleHandleA(nullptr), name, kEnglish, &english, &error))
            << error;
        EXPECT_EQ(chinese.style, english.style);
        EXPECT_EQ(chinese.x, english.x);
        EXPECT_EQ(chinese.y, english.y);
        EXPECT_EQ(chinese.cx, english.cx);
        EXPECT_EQ(chinese.cy, english.cy);
        EXPECT_TRUE(IsPrintableAscii(english.caption)) << english.caption;
        EXPECT_FALSE(english.caption.empty());
        ASSERT_EQ(chinese.items.size(), english.items.size());
        for (size_t i = 0; i < chinese.items.size(); ++i) {
            const TemplateItem& c = chinese.items[i];
            const TemplateItem& e = english.items[i];
            SCOPED_TRACE("control #" + std::to_string(i) + " id " + std::to_string(c.id));
            EXPECT_EQ(c.id, e.id);
            EXPECT_EQ(c.className, e.className);
            EXPECT_EQ(c.style, e.style) << std::hex << c.style << " " << e.style;
            EXPECT_EQ(c.x, e.x);
            EXPECT_EQ(c.y, e.y);
            EXPECT_EQ(c.cx, e.cx);
            EXPECT_EQ(c.cy, e.cy);
            // Empty where the Chinese text is empty, English where it has one.
            EXPECT_EQ(c.text.empty(), e.text.empty()) << e.text;
            EXPECT_TRUE(IsPrintableAscii(e.text)) << e.text;
            // Mnemonics stay one per control.
            EXPECT_EQ(c.text.find('&') != std::string::npos, e.text.find('&') != std::string::npos)
                << e.text;
        }
    }
}

}  // namespace
