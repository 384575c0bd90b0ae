#include "qt/QtFileSelector.h"
#include "qt/QtMessageBoxes.h"
#include "qt/QtSettingsStore.h"
#include "support/TestSupport.h"
#include "window/WindowSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>

namespace {

using namespace std::string_literals;
using Conversion::Answer;
using Conversion::MessageKind;

// Hands the next modal dialog to `handle` from inside the event loop that
// dialog runs, so a test can look at it and close it. Stops looking when the
// script goes out of scope, so a dialog that never came cannot leak into the
// next test; any dialog still open after the handler is a failure.
class NextModalDialog
{
public:
    using Handler = std::function<void(QWidget*)>;

    explicit NextModalDialog(Handler handle) : handle_(std::move(handle))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr || !dialog->isVisible())
                return;
            if (handled_) {
                // Closed, so that the test fails instead of waiting forever.
                ADD_FAILURE() << "dialog left open: " << dialog->metaObject()->className();
                dialog->close();
                return;
            }
            handled_ = true;
            handle_(dialog);
        });
        timer_.start();
    }
    NextModalDialog(const NextModalDialog&) = delete;
    NextModalDialog& operator=(const NextModalDialog&) = delete;

    bool Handled() const { return handled_; }

private:
    Handler handle_;
    QTimer timer_;
    bool handled_ = false;
};

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
    // A fresh store reads the file, not what an earlier one keeps in memory.
    static std::string Get()
    {
        return Platform::QtSettingsStore().GetSetting("KestrelToADIF", "General", "LogDirectory",
                                                      "default");
    }
    std::string SettingsFile() const { return folder / "KestrelToADIF/KestrelToADIF.conf"; }

    TestSupport::TempFolder folder;
    Platform::QtSettingsStore store;
};

TEST_F(QtSettingsStoreTest, FoldersComeBackByteForByte)
{
    EXPECT_EQ(Get(), "default");
    for (const std::string value : {"/home/op/logs", "/home/op/caf\xC3\xA9"}) {
        SCOPED_TRACE(value);
        store.SaveSetting("KestrelToADIF", "General", "LogDirectory", value);
        EXPECT_EQ(Get(), value);
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
    EXPECT_EQ(Get(), "/mnt/radio/logs");
}

// The window's choice of form is a line of its own beside the folder, and
// comes back as it was stored.
TEST_F(QtSettingsStoreTest, FormChoiceSitsBesideTheFolder)
{
    using Conversion::AdifForm;
    namespace WindowSettings = Conversion::WindowSettings;
    store.SaveSetting("KestrelToADIF", "General", "LogDirectory", "/home/op/logs");
    EXPECT_EQ(WindowSettings::LoadForm(store), AdifForm::Classic);
    WindowSettings::SaveForm(store, AdifForm::Standard);
    EXPECT_EQ(TestSupport::ReadFile(SettingsFile()),
              "[General]\nLogDirectory=/home/op/logs\nStandardAdif3=1\n");
    EXPECT_EQ(WindowSettings::LoadForm(store), AdifForm::Standard);
    WindowSettings::SaveForm(store, AdifForm::Classic);
    EXPECT_EQ(WindowSettings::LoadForm(store), AdifForm::Classic);
}

// What a message box showed before the test pressed `button` on it.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    Qt::TextFormat format = Qt::AutoText;
};

NextModalDialog::Handler SeeAndPress(SeenBox& seen, QMessageBox::StandardButton button)
{
    return [&seen, button](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr) << dialog->metaObject()->className();
        seen = {box->windowTitle(),
                box->text(),
                box->icon(),
                box->standardButtons(),
                box->standardButton(box->defaultButton()),
                box->textFormat()};
        box->button(button)->click();
    };
}

TEST(QtMessageBoxes, MessageShowsItsTextWithOkOnly)
{
    SeenBox seen;
    NextModalDialog script(SeeAndPress(seen, QMessageBox::Ok));
    // Record bytes are single-byte characters, NULs and markup included.
    Platform::QtMessageBoxes().ShowMessage(MessageKind::IllegalYear,
                                           "Illegal year in QSO Caf\xE9\0<b>x</b>, ignoring QSO"s);
    ASSERT_TRUE(script.Handled());
    EXPECT_EQ(seen.title, QStringLiteral("KestrelToADIF"));
    EXPECT_EQ(seen.text, QStringLiteral("Illegal year in QSO Caf\u00E9") + QChar(u'\0') +
                             QStringLiteral("<b>x</b>, ignoring QSO"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.format, Qt::PlainText);
}

TEST(QtMessageBoxes, QuestionOffersYesNoCancel)
{
    const std::pair<QMessageBox::StandardButton, Answer> cases[] = {
        {QMessageBox::Yes, Answer::Yes},
        {QMessageBox::No, Answer::No},
        {QMessageBox::Cancel, Answer::Cancel},
    };
    for (const auto& [button, expected] : cases) {
        SCOPED_TRACE(button);
        SeenBox seen;
        NextModalDialog script(SeeAndPress(seen, button));
        // File names are the system's bytes, UTF-8 here.
        EXPECT_EQ(Platform::QtMessageBoxes().AskYesNoCancel(
                      "/home/op/caf\xC3\xA9.ADI already exists; delete its contents?"),
                  expected);
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
        std::optional<std::string> chosen = selector.ShowOpen(options);
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
