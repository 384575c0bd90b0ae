#include "ConversionTestSupport.h"
#include "QtFileSelector.h"
#include "QtMessageBoxes.h"
#include "QtSettingsStore.h"
#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using namespace std::string_literals;
using Conversion::Answer;
using Conversion::MessageKind;
using TestSupport::NextModalDialog;

QString Q(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

class QtSettingsStoreTest : public ::testing::Test
{
protected:
    QtSettingsStoreTest()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Q(folder.Path()));
    }
    std::string Get(const std::string& section, const std::string& application = "KestrelToADIF")
    {
        return store.GetSetting(application, section, "LogDirectory", "default");
    }
    std::string SettingsFile() const { return folder / "KestrelToADIF/KestrelToADIF.conf"; }

    TestSupport::TempFolder folder;
    Platform::QtSettingsStore store;
};

TEST_F(QtSettingsStoreTest, FoldersComeBackByteForByte)
{
    EXPECT_EQ(Get("General"), "default");
    const std::string folders[] = {
        "/home/op/logs",
        "/home/op/Kestrel logs, 2003; \"old\"",
        "/home/op/caf\xC3\xA9/=#[x]",
        "C:\\Logs",
        "/",
        "", // what a failed folder lookup stores
    };
    for (const std::string& value : folders) {
        SCOPED_TRACE(value);
        store.SaveSetting("KestrelToADIF", "General", "LogDirectory", value);
        // A fresh store reads it from the file, not from memory.
        EXPECT_EQ(Platform::QtSettingsStore().GetSetting("KestrelToADIF", "General", "LogDirectory",
                                                         "default"),
                  value);
    }
}

TEST_F(QtSettingsStoreTest, GeneralSectionIsTheFilesGeneralGroup)
{
    store.SaveSetting("KestrelToADIF", "General", "LogDirectory", "/home/op/logs");
    std::string text = TestSupport::ReadFile(SettingsFile());
    EXPECT_NE(text.find("[General]\nLogDirectory=/home/op/logs\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("%General"), std::string::npos) << text;

    // And the other way round: the line a user writes by hand is read.
    TestSupport::WriteFile(SettingsFile(), "[General]\nLogDirectory=/mnt/radio/logs\n");
    EXPECT_EQ(Get("General"), "/mnt/radio/logs");
}

TEST_F(QtSettingsStoreTest, SectionsAndApplicationsAreKeptApart)
{
    store.SaveSetting("KestrelToADIF", "General", "LogDirectory", "/general");
    store.SaveSetting("KestrelToADIF", "Window", "LogDirectory", "/window");
    store.SaveSetting("OtherTool", "General", "LogDirectory", "/other");

    EXPECT_EQ(Get("General"), "/general");
    EXPECT_EQ(Get("Window"), "/window");
    EXPECT_EQ(Get("General", "OtherTool"), "/other");
    EXPECT_NE(TestSupport::ReadFile(SettingsFile()).find("[Window]\nLogDirectory=/window\n"),
              std::string::npos);
}

// What a message box showed before the test closed it with `close`.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    Qt::TextFormat format = Qt::AutoText;
};

NextModalDialog::Handler SeeAndClose(SeenBox& seen, std::function<void(QMessageBox*)> close)
{
    return [&seen, close](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr) << dialog->metaObject()->className();
        seen = {box->windowTitle(),
                box->text(),
                box->icon(),
                box->standardButtons(),
                box->standardButton(box->defaultButton()),
                box->textFormat()};
        close(box);
    };
}

void Press(QMessageBox* box, QMessageBox::StandardButton button)
{
    box->button(button)->click();
}

TEST(QtMessageBoxes, MessagesShowTheirTextWithOkOnly)
{
    struct Case
    {
        MessageKind kind;
        std::string text;
        QString shown;
    };
    const Case cases[] = {
        // Record bytes are single-byte characters, NULs and markup included.
        {MessageKind::IllegalYear, "Illegal year in QSO Caf\xE9\0<b>x</b>, ignoring QSO"s,
         QStringLiteral("Illegal year in QSO Caf\u00E9") + QChar(u'\0') +
             QStringLiteral("<b>x</b>, ignoring QSO")},
        // File names are the system's bytes, UTF-8 here.
        {MessageKind::Summary, "1 QSOs written to /home/op/caf\xC3\xA9.ADI",
         QStringLiteral("1 QSOs written to /home/op/caf\u00E9.ADI")},
        {MessageKind::Cancelled, "conversion cancelled", QStringLiteral("conversion cancelled")},
        {MessageKind::Refused, "/a/<x>.ADI is the chosen log itself",
         QStringLiteral("/a/<x>.ADI is the chosen log itself")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.toStdString());
        SeenBox seen;
        NextModalDialog script(
            SeeAndClose(seen, [](QMessageBox* box) { Press(box, QMessageBox::Ok); }));
        Platform::QtMessageBoxes().ShowMessage(c.kind, c.text);
        ASSERT_TRUE(script.Handled());
        EXPECT_EQ(seen.title, QStringLiteral("KestrelToADIF"));
        EXPECT_EQ(seen.text, c.shown);
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(seen.format, Qt::PlainText);
    }
}

TEST(QtMessageBoxes, QuestionOffersYesNoCancel)
{
    struct Case
    {
        const char* how;
        std::function<void(QMessageBox*)> close;
        Answer expected;
    };
    const Case cases[] = {
        {"Yes", [](QMessageBox* box) { Press(box, QMessageBox::Yes); }, Answer::Yes},
        {"No", [](QMessageBox* box) { Press(box, QMessageBox::No); }, Answer::No},
        {"Cancel", [](QMessageBox* box) { Press(box, QMessageBox::Cancel); }, Answer::Cancel},
        {"Escape", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, Answer::Cancel},
        {"Enter", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }, Answer::Yes},
        {"window closed", [](QMessageBox* box) { box->close(); }, Answer::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        SeenBox seen;
        NextModalDialog script(SeeAndClose(seen, c.close));
        EXPECT_EQ(Platform::QtMessageBoxes().AskYesNoCancel(
                      "/home/op/caf\xC3\xA9.ADI already exists; delete its contents?"),
                  c.expected);
        ASSERT_TRUE(script.Handled());
        EXPECT_EQ(seen.title, QStringLiteral("KestrelToADIF"));
        EXPECT_EQ(seen.text,
                  QStringLiteral("/home/op/caf\u00E9.ADI already exists; delete its contents?"));
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
        EXPECT_EQ(seen.format, Qt::PlainText);
    }
}

TEST(QtFileSelector, FilterAndSuffixInQtsForm)
{
    using Platform::QtFileSelector;
    EXPECT_EQ(QtFileSelector::NameFilter("Log (*.log)", "*.log"), QStringLiteral("Log (*.log)"));
    EXPECT_EQ(QtFileSelector::NameFilter("Log", "*.log"), QStringLiteral("Log (*.log)"));
    EXPECT_EQ(QtFileSelector::NameFilter("Log (*.txt)", "*.log"),
              QStringLiteral("Log (*.txt) (*.log)"));
    EXPECT_EQ(QtFileSelector::NameFilter("Anything", ""), QStringLiteral("Anything"));
    EXPECT_EQ(QtFileSelector::DefaultSuffix(".log"), QStringLiteral("log"));
    EXPECT_EQ(QtFileSelector::DefaultSuffix("log"), QStringLiteral("log"));
    EXPECT_EQ(QtFileSelector::DefaultSuffix(""), QString());
}

class QtFileSelectorTest : public ::testing::Test
{
protected:
    QtFileSelectorTest() { options = {folder.Path(), ".log", "Log (*.log)", "*.log", ""}; }

    // Shows the dialog and hands it to `choose`, which looks and closes it.
    std::optional<std::string> Show(std::function<void(QFileDialog*)> choose)
    {
        NextModalDialog script([&](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            ASSERT_NE(dialog, nullptr) << widget->metaObject()->className();
            choose(dialog);
        });
        const std::optional<std::string> chosen = selector.ShowOpen(options);
        EXPECT_TRUE(script.Handled());
        return chosen;
    }

    // As the Open button does: QFileDialog checks the choice in accept().
    static void Accept(QFileDialog* dialog) { static_cast<QDialog*>(dialog)->accept(); }

    TestSupport::TempFolder folder;
    Conversion::OpenDialogOptions options;
    Platform::QtFileSelector selector;
};

TEST_F(QtFileSelectorTest, DialogOpensExistingLogsInTheGivenFolder)
{
    const auto chosen = Show([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Log (*.log)")});
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("log"));
        EXPECT_EQ(dialog->directory().absolutePath(), Q(folder.Path()));
        dialog->reject();
    });
    EXPECT_EQ(chosen, std::nullopt);
}

// The name is UTF-8 bytes on disk: it comes back as the same bytes.
TEST_F(QtFileSelectorTest, PreviousChoiceIsFilledInAndReturned)
{
    options.fileName = folder / "caf\xC3\xA9.log";
    TestSupport::WriteFile(options.fileName, "");
    const auto chosen = Show([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->selectedFiles(), QStringList{Q(options.fileName)});
        Accept(dialog);
    });
    EXPECT_EQ(chosen, options.fileName);
}

} // namespace
