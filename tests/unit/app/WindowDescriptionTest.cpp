#include <set>
#include <string>

#include <gtest/gtest.h>

#include "app/WindowDescription.h"

namespace lifeng {
namespace {

using enum Control;

TEST(WindowDescription, NamesEveryControlOnceInsideAContainerListedBeforeIt) {
    std::set<Control> named{MainWindow};
    for (const ControlDescription& d : WindowDescription()) {
        EXPECT_TRUE(named.count(d.container)) << static_cast<int>(d.name);
        EXPECT_TRUE(named.insert(d.name).second) << static_cast<int>(d.name);
        EXPECT_TRUE(d.container == MainWindow || Describe(d.container).kind == ControlKind::ShapeBox);
    }
    EXPECT_EQ(WindowDescription().size(), 51u);
    EXPECT_EQ(named.size(), static_cast<size_t>(kControlCount));
}

TEST(WindowDescription, TheCaptionBlockHas24LinesAndNoFinalLineEnd) {
    const std::string text(Describe(标签4).startText);
    size_t lines = 1;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 24u);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "绑定属性数量：　　　　　条");
    EXPECT_NE(text.find("\r\n\r\n第[01]条属性：绑定序号：　　　　　绑定值类型：　　　　　　文字颜色：\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n\r\n第[10]条属性："), std::string::npos);
    EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), "[自定义文字]：　　　　　　　　　　文字颜色代码：");
    EXPECT_EQ(text.substr(text.size() - 2).find('\n'), std::string::npos);
}

TEST(WindowDescription, TheCaptionBlockLiesUnderEverythingInItsPanel) {
    const ControlDescription* last = nullptr;
    for (const ControlDescription& d : WindowDescription()) {
        if (d.container == 外形框2) last = &d;
    }
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->name, 标签4);
}

}  // namespace
}  // namespace lifeng
