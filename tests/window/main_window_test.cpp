#include "window/main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editor/sample_glyph.h"
#include "tests/window/fake_form.h"

namespace velmora {
namespace {

using testing::FakeForm;
using Texts = std::vector<std::string>;

Texts ValueBoxes(const FakeForm& form) {
  Texts texts;
  for (int c = 0; c < kColumnCount; ++c) texts.push_back(form.At("Text2", c).row.text);
  return texts;
}

TEST(MainWindowTest, OpensWithItsFrameAndTheSampleCharacter) {
  FakeForm form;
  MainWindow window(form);
  EXPECT_EQ(form.Caption(), "www.velmora.example.com Velmora");
  EXPECT_EQ(form.client_size(), std::make_pair(8310, 6150));
  EXPECT_EQ(form.back_color(), 0xFF8080u);
  EXPECT_EQ(form.font().family, "Times New Roman");
  EXPECT_EQ(form.font().points, 12);
  EXPECT_EQ(form.font().weight, 400);
  EXPECT_EQ(form.font().charset, 204);
  EXPECT_EQ(form.icon(), "velmora");
  EXPECT_EQ(ValueBoxes(form), Texts(kSampleValues.begin(), kSampleValues.end()));
  // Bottom and top cell of the first column, bottom cell of the last.
  EXPECT_EQ(form.At("Command2", 0).row.back_color, 0x000000u);
  EXPECT_EQ(form.At("Command2", 7).row.tool_tip, "128");
  EXPECT_EQ(form.At("Command2", 56).row.back_color, 0xFFFFFFu);
  EXPECT_EQ(form.At("Command2", 56).row.tool_tip, "0");
}

TEST(MainWindowTest, EachArrayRoutesItsClicksWithTheIndex) {
  FakeForm form;
  MainWindow window(form);
  form.Click("Command2", 0);
  form.Click("Command2", 8);
  EXPECT_EQ(ValueBoxes(form), (Texts{"254", "1", "0", "255", "136", "136", "136", "112"}));
  EXPECT_EQ(form.At("Command2", 0).row.tool_tip, "0");
  EXPECT_EQ(form.At("Command2", 8).row.tool_tip, "1");

  form.Click("Command1", 17);  // red
  EXPECT_EQ(form.At("Command2", 8).row.back_color, 0x0000FFu);
  EXPECT_EQ(form.At("Command2", 9).row.back_color, 0xFFFFFFu);

  // Labels other than the hotspot, and text boxes, do nothing.
  for (int n = 0; n <= 24; ++n) form.Click("Label2", n);
  form.Click("Label1", 0);
  form.Click("Text1", 0);
  form.Click("Text2", 3);
  EXPECT_EQ(ValueBoxes(form), (Texts{"254", "1", "0", "255", "136", "136", "136", "112"}));
  EXPECT_TRUE(form.boxes().empty());

  form.Click("Command3", 0);
  EXPECT_EQ(ValueBoxes(form), Texts(kColumnCount, "0"));
  form.Click("Command2", 63);
  EXPECT_EQ(form.At("Text2", 7).row.text, "128");
  EXPECT_EQ(form.At("Command2", 63).row.back_color, 0x0000FFu);
}

TEST(MainWindowTest, HotspotShowsTheNoteTitledWithTheCaptionAsItReadsAtTheClick) {
  FakeForm form;
  MainWindow window(form);
  form.Click("Label2", 25);
  form.SetCaption("друго заглавие");
  form.Click("Label2", 25);
  ASSERT_EQ(form.boxes().size(), 2u);
  for (const forms::MsgBoxRequest& box : form.boxes()) {
    EXPECT_EQ(box.prompt, "В това приложение липсва\r\nописание на сорс кода!");
    EXPECT_EQ(box.buttons, forms::MsgBoxButtons::kOkCancel);
    EXPECT_EQ(box.ok_caption, "OK");
    EXPECT_EQ(box.cancel_caption, "Отказ");
    EXPECT_EQ(box.help_file, "");
    EXPECT_EQ(box.help_context, 1200);
  }
  EXPECT_EQ(form.boxes()[0].title, "www.velmora.example.com Velmora");
  EXPECT_EQ(form.boxes()[1].title, "друго заглавие");
}

TEST(MainWindowTest, AssignmentTextIsItsTwentyEightLinesEachEndedByCrLf) {
  FakeForm form;
  MainWindow window(form);
  EXPECT_EQ(form.At("Text1", 0).row.text,
            "Един от най-ценените параметри на матричния принтер е ниската \r\n"
            "стойност за цена на страница.,т.к  използва една от най-старите \r\n"
            "технологии за печат. При серийния матричен принтер глава с \r\n"
            "вертикален набор от игли се мести по стъпки хоризонтално по ред от \r\n"
            "страницата. На всяка отделна стъпка конкретен набор от игли натиска \r\n"
            "мастилена лента към хартията.\r\n"
            "В зависимост от модела принтер вертикалния набор се състои 8,8 или \r\n"
            "24 игли, а знака се формира от няколко колони 8,12 или повече.\r\n"
            "Да се състави проект, представящ междупредметни връзки \r\n"
            "Информационни технологии и Информатика.\r\n"
            "Тема на проекта: Velmora.\r\n"
            "Чрез проекта да се въвеждат данни за желан знак. Всеки знак се \r\n"
            "представя като матрица с размери 8х8 елемента. Като краен резултат \r\n"
            "знака се представя като редица от 8 естествени числа, т.к. всяка колона \r\n"
            "се представя като естествено число в зависимост дали конкретната \r\n"
            "игла се ползва или не.\r\n"
            "Да се използва набор от командни бутони за определяне:\r\n"
            "цвета на печатания знак\r\n"
            "дали иглата в дадена колона се ползва.\r\n"
            "При всяко събитие On_Click върху команден бутон от матрицата \r\n"
            "съответния елемент да се оцветява в избрания цвят и да се променя \r\n"
            "стойността на числото, описващо елеметите от текущата колона.\r\n"
            "Прочете допълнително материал за видове матрични принтери и \r\n"
            "техните параметри като:\r\n"
            "скорост на печат CPS (брой знаци за секунда);\r\n"
            "разделителна способност DPI (брой точки в инч);\r\n"
            "месечно натоварване PPM (брой страници на месец);\r\n"
            "живот на главата (брой отпечатани знаци) и др.\r\n");
}

// What a screen reader is told: which cells are on, and which palette entry is the ink.
TEST(MainWindowTest, StatesFollowTheGridOnEveryChange) {
  FakeForm form;
  MainWindow window(form);
  const auto on_cells = [&form] {
    std::vector<int> on;
    for (int i = 0; i < kCellCount; ++i) {
      if (form.At("Command2", i).row.checked) on.push_back(i);
    }
    return on;
  };
  const auto current_ink = [&form] {
    std::vector<int> current;
    for (int k = 0; k < kPaletteSize; ++k) {
      if (form.At("Command1", k).row.checked) current.push_back(k);
    }
    return current;
  };
  // The sample character: columns 0 and 3 whole, pins 3 and 7 of columns 4 to 6, pins 4 to 6
  // of column 7.
  const std::vector<int> sample = {0,  1,  2,  3,  4,  5,  6,  7,  24, 25, 26, 27, 28,
                                   29, 30, 31, 35, 39, 43, 47, 51, 55, 60, 61, 62};
  EXPECT_EQ(on_cells(), sample);
  EXPECT_EQ(current_ink(), std::vector<int>{40}) << "black";
  form.Click("Command2", 0);
  form.Click("Command2", 8);
  EXPECT_FALSE(form.At("Command2", 0).row.checked);
  EXPECT_TRUE(form.At("Command2", 8).row.checked);
  std::vector<int> changes_before;
  for (int i = 0; i < kCellCount; ++i)
    changes_before.push_back(form.At("Command2", i).state_changes);
  form.Click("Command1", 17);
  EXPECT_EQ(current_ink(), std::vector<int>{17}) << "red";
  EXPECT_TRUE(form.At("Command2", 8).row.checked) << "repainted in the new ink, still on";
  for (int i = 0; i < kCellCount; ++i) {
    EXPECT_EQ(form.At("Command2", i).state_changes, changes_before[i])
        << "cell " << i << ": stays on or off through a new ink, and says nothing";
  }
  form.Click("Command1", 0);  // the paper colour: nothing changes
  EXPECT_EQ(current_ink(), std::vector<int>{17});
  form.Click("Command3", 0);
  EXPECT_TRUE(on_cells().empty());
  EXPECT_EQ(current_ink(), std::vector<int>{17}) << "clearing keeps the ink";
}

// What a screen reader hears where the user is: a cell tells its weight and its column's
// value, and a toggle changes each description it touches once, to its final words.
TEST(MainWindowTest, DescriptionsTellTheColumnValueOnceAClickIsDone) {
  FakeForm form;
  MainWindow window(form);
  const auto description = [&form](const char* array, int index) {
    return form.At(array, index).row.accessible_description;
  };
  EXPECT_EQ(description("Command2", 63), "Тегло 0. Сума на колона К8: 112");
  EXPECT_EQ(description("Command2", 7), "Тегло 128. Сума на колона К1: 255");
  EXPECT_EQ(description("Command3", 0), "Суми на колоните: 255, 0, 0, 255, 136, 136, 136, 112");
  std::vector<int> before;
  for (int i = 0; i < kCellCount; ++i) before.push_back(form.At("Command2", i).description_changes);
  form.Click("Command2", 63);
  EXPECT_EQ(description("Command2", 63), "Тегло 128. Сума на колона К8: 240");
  EXPECT_EQ(form.At("Command2", 63).row.tool_tip, "128") << "the tooltip shows the weight alone";
  for (int i = 0; i < kCellCount; ++i) {
    EXPECT_EQ(form.At("Command2", i).description_changes - before[i], i >= 56 ? 1 : 0)
        << "cell " << i;
  }
  EXPECT_EQ(description("Command2", 60), "Тегло 16. Сума на колона К8: 240");
  form.Click("Command1", 17);  // a new ink changes no weight and no value
  EXPECT_EQ(form.At("Command2", 63).description_changes - before[63], 1);
  form.Click("Command3", 0);
  EXPECT_EQ(description("Command3", 0), "Всички колони са 0");
  EXPECT_EQ(description("Command2", 63), "Тегло 0. Сума на колона К8: 0");
}

}  // namespace
}  // namespace velmora
