#include "qt/KestrelConversion.h"

#include "support/ConversionTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Conversion::KestrelConversion;
using Conversion::MessageKind;
using TestSupport::kLogDirectoryKey;
using TestSupport::kSampleText;
using TestSupport::kStandardAdif3Key;
using TestSupport::Record;

constexpr std::string_view kStandardVersion = "<ADIF_VER:5>3.1.7";

// The Open dialog that can also do something while it is open, the way a
// user could act on the window behind it.
class ReentrantFileSelector : public TestSupport::ScriptedFileSelector
{
public:
    std::optional<std::string> ShowOpen(const Conversion::OpenDialogOptions& options) override
    {
        if (whileOpen)
            whileOpen();
        return ScriptedFileSelector::ShowOpen(options);
    }
    std::function<void()> whileOpen;
};

QUrl LocalUrl(const std::string& path)
{
    return QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path)));
}

std::unique_ptr<QMimeData> Urls(const QList<QUrl>& urls)
{
    auto mimeData = std::make_unique<QMimeData>();
    mimeData->setUrls(urls);
    return mimeData;
}

class KestrelConversionTest : public ::testing::Test
{
protected:
    QPushButton* ConvertCmd() const
    {
        return window.findChild<QPushButton*>(QStringLiteral("ConvertCmd"));
    }
    static QAction* StandardAdif3(const KestrelConversion& shown)
    {
        return shown.findChild<QAction*>(QStringLiteral("StandardAdif3"));
    }

    // Converts `name` (one sound record unless `bytes` says otherwise) with
    // `shown` and returns the ADIF file written.
    std::string Convert(KestrelConversion& shown, const std::string& name,
                        const std::string& bytes = Record(kSampleText))
    {
        TestSupport::WriteFile(folder / (name + ".log"), bytes);
        fileSelector.choices = {folder / (name + ".log")};
        shown.ConvertCmd_Click();
        return TestSupport::ReadFile(folder / (name + ".ADI"));
    }

    // A log of one record in the test's folder.
    std::string WriteLog(const std::string& name) const
    {
        TestSupport::WriteFile(folder / name, Record(kSampleText));
        return folder / name;
    }

    bool DragEnterAccepted(const QMimeData& mimeData)
    {
        QDragEnterEvent event(QPoint(10, 10), Qt::CopyAction, &mimeData, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
        return event.isAccepted();
    }

    // Drops onto the window and lets the conversion the drop queued run.
    void Drop(const QMimeData& mimeData)
    {
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mimeData, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
        QCoreApplication::processEvents();
    }

    TestSupport::TempFolder folder;
    ReentrantFileSelector fileSelector;
    TestSupport::ScriptedMessageBoxes messages;
    TestSupport::MemorySettingsStore settings;
    KestrelConversion window{fileSelector, messages, settings};
};

TEST_F(KestrelConversionTest, WindowLooksAsDesigned)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("KestrelToADIF"));
    EXPECT_EQ(window.size(), QSize(173, 88));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    for (const int size : {16, 32, 48, 64, 128})
        EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(size, size))) << size;

    QPushButton* button = ConvertCmd();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Convert"));
    EXPECT_EQ(button->geometry(), QRect(24, 32, 49, 25));
    EXPECT_EQ(
        button->toolTip(),
        QStringLiteral("click to select a Kestrel file and generate a corresponding ADIF file"));
    EXPECT_EQ(window.focusWidget(), button);
    EXPECT_TRUE(button->isDefault());
}

// The label keeps 2 pixels (at 96 dpi) clear of the frame the style draws, at
// 8 points or as large as that margin allows. ctest runs it again at 192 dpi
// (QT_FONT_DPI), where Qt doubles the pixels, the margin with them.
TEST_F(KestrelConversionTest, ButtonLabelFitsInsideItsFrameWithAMargin)
{
    QPushButton* button = ConvertCmd();
    ASSERT_NE(button, nullptr);
    const int asked =
        qEnvironmentVariableIsSet("QT_FONT_DPI") ? qEnvironmentVariableIntValue("QT_FONT_DPI") : 96;
    ASSERT_EQ(qRound(button->screen()->logicalDotsPerInch() * button->devicePixelRatioF()), asked)
        << "the window is not drawn at the dpi the run asks for";

    QStyleOptionButton option;
    option.initFrom(button);
    option.features = QStyleOptionButton::DefaultButton;
    option.text = button->text();
    const QRect content =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const auto fits = [&](const QFont& font) {
        const QRect label = QFontMetrics(font, button).boundingRect(button->text());
        constexpr int kMargins = 2 * 2;
        return label.width() + kMargins <= content.width() &&
               label.height() + kMargins <= content.height();
    };
    QFont font = button->font();
    EXPECT_TRUE(fits(font)) << font.pointSizeF() << " points in " << content.width() << " x "
                            << content.height() << " pixels";
    EXPECT_LE(font.pointSizeF(), 8);
    if (font.pointSizeF() < 8) {
        font.setPointSizeF(font.pointSizeF() + 0.5);
        EXPECT_FALSE(fits(font)) << "a larger label would fit: " << font.pointSizeF();
    }
}

// A click runs the Convert command with the window's services, and writes the
// same bytes as the command line does for the same log.
TEST_F(KestrelConversionTest, AClickConvertsLikeTheCommandLine)
{
    const TestSupport::ScopedLocale locale("C"); // English month names in the header
    const TestSupport::FixedClock clock;
    const std::string log = folder / "sample.log";
    std::filesystem::copy_file(KESTREL_SAMPLE_LOG, log);
    settings.values[kLogDirectoryKey] = "/srv/logs";
    fileSelector.choices = {log};

    QTest::mouseClick(ConvertCmd(), Qt::LeftButton);
    ASSERT_EQ(fileSelector.shown.size(), 1u);
    EXPECT_EQ(fileSelector.shown[0].initDir, "/srv/logs");
    EXPECT_EQ(fileSelector.shown[0].filterDescription, "Log (*.log)");
    EXPECT_EQ(fileSelector.shown[0].filterPattern, "*.log");
    EXPECT_EQ(messages.Texts(MessageKind::IllegalYear).size(), 1u);
    EXPECT_EQ(messages.Texts(MessageKind::Summary),
              std::vector<std::string>{"32 QSOs appended to " + (folder / "sample.ADI")});

    const TestSupport::CliRun cli({"-o", "-", log});
    EXPECT_EQ(cli.status, 0) << cli.err;
    const std::string bytes = TestSupport::ReadFile(folder / "sample.ADI");
    EXPECT_EQ(bytes, cli.out);

    // 33 records, one with an illegal year; the first decoded by hand.
    const std::vector<std::string> lines = TestSupport::SplitCrLfLines(bytes);
    ASSERT_EQ(lines.size(), 4u + 32u);
    EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 4), TestSupport::kHeaderLines);
    EXPECT_EQ(lines[4], "<QSO_DATE:8>19980314 <TIME_ON:4>1830 <FREQ:3>14  <MODE:3>SSB "
                        "<CALL:5>G4ABC <RST_SENT:2>59 <RST_RCVD:2>59 <GRIDSQUARE:4>IO91 "
                        "<Comment:8>Op Peter <QSL_SENT:1>Y <QSL_RCVD:1>Y <EOR>");
    EXPECT_TRUE(bytes.ends_with("<EOR>\r\n"));
}

// Shift+F10, as a keyboard user opens it, shows the item; choosing it there
// switches the conversions to standard ADIF 3 and keeps the choice, and
// choosing it again goes back to the classic form.
TEST_F(KestrelConversionTest, ContextMenuItemSwitchesTheFormAndKeepsIt)
{
    QAction* item = StandardAdif3(window);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Standard ADIF 3"));
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(window.size(), QSize(173, 88)) << "the window keeps its layout";

    bool offered = false;
    QTimer menuOpen; // scoped: a menu that never came is no business of the next test
    menuOpen.setSingleShot(true);
    QObject::connect(&menuOpen, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "no context menu";
        offered = menu->actions().contains(item);
        menu->setActiveAction(item);
        QTest::keyClick(menu, Qt::Key_Return);
        if (menu->isVisible())
            menu->close();
    });
    menuOpen.start(0);
    window.show();
    QTest::keyClick(ConvertCmd(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(offered);
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(settings.values[kStandardAdif3Key], "1");
    const std::string standard = Convert(window, "standard");
    EXPECT_NE(standard.find(kStandardVersion), std::string::npos) << standard;
    EXPECT_EQ(messages.Texts(MessageKind::Summary).back(),
              "1 QSOs appended to " + (folder / "standard.ADI"));

    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(settings.values[kStandardAdif3Key], "0");
    const std::string classic = Convert(window, "classic");
    EXPECT_TRUE(classic.starts_with("ADIF file\r\n")) << classic;
}

// The second item opens the toolkit's dialog on the callsign kept; a text that
// is not a callsign is refused in a message and offered again, a callsign is
// kept and written, and Cancel changes nothing.
TEST_F(KestrelConversionTest, StationCallsignItemAsksForTheCallsignAndKeepsIt)
{
    const QList<QAction*> items = window.actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0], StandardAdif3(window));
    EXPECT_EQ(items[1]->objectName(), QStringLiteral("StationCallsign"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Station callsign..."));

    // Each answer in turn: the text to type, or nothing for Cancel.
    std::vector<std::optional<QString>> answers{QStringLiteral("w1@w"), QStringLiteral(" k1abc ")};
    std::vector<QString> offered;
    QTimer dialogOpen;
    QObject::connect(&dialogOpen, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || answers.empty())
            return;
        offered.push_back(dialog->textValue());
        const std::optional<QString> answer = answers.front();
        answers.erase(answers.begin());
        if (!answer) {
            dialog->reject();
            return;
        }
        dialog->setTextValue(*answer);
        dialog->accept();
    });
    dialogOpen.start(0);
    const std::string key = "KestrelToADIF/General/StationCallsign";

    items[1]->trigger();
    EXPECT_EQ(offered, (std::vector<QString>{QString(), QStringLiteral("w1@w")}));
    EXPECT_EQ(
        messages.Texts(MessageKind::Refused),
        std::vector<std::string>{"\"w1@w\" is not a callsign; there is still no station callsign"});
    EXPECT_EQ(settings.values[key], "K1ABC");
    StandardAdif3(window)->trigger();
    EXPECT_NE(Convert(window, "station").find("<STATION_CALLSIGN:5>K1ABC <EOR>"),
              std::string::npos);

    offered.clear();
    answers = {std::nullopt};
    items[1]->trigger();
    EXPECT_EQ(offered, std::vector<QString>{QStringLiteral("K1ABC")});
    EXPECT_EQ(settings.values[key], "K1ABC");
    EXPECT_TRUE(answers.empty());
}

// Only "1" means standard; what else the setting holds keeps the classic
// form, and reading it stores nothing.
TEST_F(KestrelConversionTest, ANewWindowStartsWithTheStoredChoice)
{
    for (const auto& [stored, standard] :
         {std::pair{"1", true}, {"0", false}, {"true", false}, {" 1", false}}) {
        SCOPED_TRACE(stored);
        settings.values = {{kStandardAdif3Key, stored}};
        KestrelConversion next(fileSelector, messages, settings);
        EXPECT_EQ(StandardAdif3(next)->isChecked(), standard);
        const std::string written = Convert(next, standard ? "standard" : "classic");
        EXPECT_EQ(written.find(kStandardVersion) != std::string::npos, standard);
        std::filesystem::remove(folder / (standard ? "standard.ADI" : "classic.ADI"));
        EXPECT_EQ(settings.values[kStandardAdif3Key], stored);
    }
}

TEST_F(KestrelConversionTest, AStandardConversionWithFindingsNamesItsReport)
{
    StandardAdif3(window)->trigger();
    std::string digital = kSampleText;
    digital.replace(15, 3, "DIG"); // not an ADIF mode
    Convert(window, "digital",
            Record(kSampleText) + Record(digital) + Record(TestSupport::SampleAt("1512")));

    const std::string report = folder / "digital-findings.txt";
    EXPECT_EQ(messages.Texts(MessageKind::Summary),
              std::vector<std::string>{"3 QSOs appended to " + (folder / "digital.ADI") +
                                       "; 1 finding in 1 record, listed in " + report});
    EXPECT_NE(TestSupport::ReadFile(report).find("record 2: MODE \"DIG\""), std::string::npos)
        << TestSupport::ReadFile(report);
}

TEST_F(KestrelConversionTest, DropOfOneLogConvertsItWithoutTheDialog)
{
    const std::string log = WriteLog("dropped.log");
    const std::unique_ptr<QMimeData> mimeData = Urls({LocalUrl(log)});
    EXPECT_TRUE(DragEnterAccepted(*mimeData));
    Drop(*mimeData);

    EXPECT_TRUE(fileSelector.shown.empty());
    EXPECT_EQ(messages.Texts(MessageKind::Summary),
              std::vector<std::string>{"1 QSOs appended to " + (folder / "dropped.ADI")});

    // The dropped log is the choice the next Open dialog offers.
    fileSelector.choices = {std::nullopt};
    ConvertCmd()->click();
    ASSERT_EQ(fileSelector.shown.size(), 1u);
    EXPECT_EQ(fileSelector.shown.front().initDir, folder.Path());
    EXPECT_EQ(fileSelector.shown.front().fileName, log);
}

TEST_F(KestrelConversionTest, DropsOtherThanOneLocalFileAreRefused)
{
    const std::string first = WriteLog("a.log");
    const std::string second = WriteLog("b.log");
    const std::pair<const char*, QList<QUrl>> cases[] = {
        {"two files", {LocalUrl(first), LocalUrl(second)}},
        {"a folder", {LocalUrl(folder.Path())}},
        {"a missing file", {LocalUrl(folder / "missing.log")}},
        {"a web address", {QUrl(QStringLiteral("https://example.org/a.log"))}},
        {"nothing", {}},
    };
    for (const auto& [what, urls] : cases) {
        SCOPED_TRACE(what);
        const std::unique_ptr<QMimeData> mimeData = Urls(urls);
        EXPECT_FALSE(DragEnterAccepted(*mimeData));
        Drop(*mimeData);
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(settings.values.empty());
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"a.log", "b.log"}));
}

TEST_F(KestrelConversionTest, NoSecondConversionStartsWhileOneRuns)
{
    const std::string log = WriteLog("x.log");
    const std::unique_ptr<QMimeData> mimeData = Urls({LocalUrl(log)});
    bool dragAccepted = true;
    bool reentered = false;
    fileSelector.whileOpen = [&] {
        if (reentered)
            return;
        reentered = true;
        window.ConvertCmd_Click();
        dragAccepted = DragEnterAccepted(*mimeData);
        Drop(*mimeData);
        StandardAdif3(window)->trigger();
    };
    fileSelector.choices = {std::nullopt};
    ConvertCmd()->click();

    EXPECT_EQ(fileSelector.shown.size(), 1u);
    EXPECT_FALSE(dragAccepted);
    EXPECT_FALSE(StandardAdif3(window)->isChecked()) << "the form changed under the conversion";
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(settings.values.empty());
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"x.log"});
}

} // namespace
