#include "KestrelConversion.h"

#include "ConversionTestSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Conversion::KestrelConversion;
using Conversion::MessageKind;
using TestSupport::kLogDirectoryKey;
using TestSupport::kSampleLine;
using TestSupport::kSampleText;
using TestSupport::Record;

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

    // A log of the given record texts in the test's folder.
    std::string WriteLog(const std::string& name, const std::vector<std::string>& texts) const
    {
        std::string bytes;
        for (const std::string& text : texts)
            bytes += Record(text);
        const std::string path = folder / name;
        TestSupport::WriteFile(path, bytes);
        return path;
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
}

TEST_F(KestrelConversionTest, ConvertHasTheFocusAndAnswersTheKeyboard)
{
    QList<QWidget*> focusable;
    for (QWidget* child : window.findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus)
            focusable.append(child);
    EXPECT_EQ(focusable, QList<QWidget*>{ConvertCmd()});

    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), ConvertCmd());
    QTest::keyClick(&window, Qt::Key_Tab); // nowhere else to go
    EXPECT_EQ(QApplication::focusWidget(), ConvertCmd());

    fileSelector.choices = {std::nullopt, std::nullopt, std::nullopt};
    QTest::keyClick(ConvertCmd(), Qt::Key_Return);
    QTest::keyClick(ConvertCmd(), Qt::Key_Enter);
    QTest::keyClick(ConvertCmd(), Qt::Key_Space);
    EXPECT_EQ(fileSelector.shown.size(), 3u);
}

TEST_F(KestrelConversionTest, ClicksRunTheConvertCommand)
{
    settings.values[kLogDirectoryKey] = "/srv/logs";
    const std::string log = WriteLog("x.log", {kSampleText, kSampleText});
    fileSelector.choices = {std::nullopt, log, std::nullopt};

    // Cancelled: nothing said, nothing remembered.
    QTest::mouseClick(ConvertCmd(), Qt::LeftButton);
    ASSERT_EQ(fileSelector.shown.size(), 1u);
    const Conversion::OpenDialogOptions& options = fileSelector.shown.front();
    EXPECT_EQ(options.initDir, "/srv/logs");
    EXPECT_EQ(options.filterDescription, "Log (*.log)");
    EXPECT_EQ(options.filterPattern, "*.log");
    EXPECT_EQ(options.defaultExt, ".log");
    EXPECT_EQ(options.fileName, "");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(settings.values[kLogDirectoryKey], "/srv/logs");

    QTest::mouseClick(ConvertCmd(), Qt::LeftButton);
    const std::string text = TestSupport::ReadFile(folder / "x.ADI");
    const std::vector<std::string> lines = TestSupport::SplitCrLfLines(text);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "ADIF file");
    EXPECT_EQ(lines[1].rfind("created by KestrelToADIF 1.0.0 on ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "<ProgramID:13>KestrelToADIF");
    EXPECT_EQ(lines[3], "<EOH>");
    EXPECT_EQ(lines[4], kSampleLine);
    EXPECT_EQ(lines[5], kSampleLine);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages.front().kind, MessageKind::Summary);
    EXPECT_EQ(messages.messages.front().text, "2 QSOs appended to " + (folder / "x.ADI"));
    EXPECT_EQ(settings.values[kLogDirectoryKey], folder.Path());

    // The next dialog offers the log just converted.
    QTest::mouseClick(ConvertCmd(), Qt::LeftButton);
    ASSERT_EQ(fileSelector.shown.size(), 3u);
    EXPECT_EQ(fileSelector.shown[2].initDir, folder.Path());
    EXPECT_EQ(fileSelector.shown[2].fileName, log);
}

TEST_F(KestrelConversionTest, DropOfOneLogConvertsItWithoutTheDialog)
{
    const std::string log = WriteLog("dropped.log", {kSampleText});
    const std::unique_ptr<QMimeData> mimeData = Urls({LocalUrl(log)});
    EXPECT_TRUE(DragEnterAccepted(*mimeData));
    Drop(*mimeData);

    EXPECT_TRUE(fileSelector.shown.empty());
    EXPECT_EQ(messages.Texts(MessageKind::Summary),
              std::vector<std::string>{"1 QSOs appended to " + (folder / "dropped.ADI")});
    const std::vector<std::string> lines =
        TestSupport::SplitCrLfLines(TestSupport::ReadFile(folder / "dropped.ADI"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[4], kSampleLine);
    EXPECT_EQ(settings.values[kLogDirectoryKey], folder.Path());

    // The dropped log is the choice the next Open dialog offers.
    fileSelector.choices = {std::nullopt};
    ConvertCmd()->click();
    ASSERT_EQ(fileSelector.shown.size(), 1u);
    EXPECT_EQ(fileSelector.shown.front().fileName, log);
}

TEST_F(KestrelConversionTest, DropsOtherThanOneLocalFileAreRefused)
{
    const std::string first = WriteLog("a.log", {kSampleText});
    const std::string second = WriteLog("b.log", {kSampleText});
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
    const std::string log = WriteLog("x.log", {kSampleText});
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
    };
    fileSelector.choices = {std::nullopt};
    ConvertCmd()->click();

    EXPECT_EQ(fileSelector.shown.size(), 1u);
    EXPECT_FALSE(dragAccepted);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"x.log"});
}

} // namespace
