#include "qt/KestrelConversion.h"

#include "common/ApplicationIdentity.h"
#include "common/ProgramError.h"
#include "qt/QtPathText.h"
#include "window/ConvertingScope.h"
#include "window/WindowLayout.h"
#include "window/WindowSettings.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QList>
#include <QMetaObject>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

namespace Conversion {

namespace {

QString FromLayout(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

KestrelConversion::KestrelConversion(FileSelector& fileSelector, MessageBoxes& messages,
                                     SettingsStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      settings_(settings), command_(fileSelector, messages, settings),
      ConvertCmd_(new QPushButton(this)), StandardAdif3_(new QAction(this))
{
    setWindowTitle(QString::fromStdString(Common::Identity().productName));
    setWindowIcon(ApplicationIcon());
    setFixedSize(WindowLayout::kClientWidth, WindowLayout::kClientHeight);
    setAcceptDrops(true);

    ConvertCmd_->setObjectName(FromLayout(WindowLayout::kConvertCmdName));
    ConvertCmd_->setText(FromLayout(WindowLayout::kConvertCmdCaption));
    ConvertCmd_->setToolTip(FromLayout(WindowLayout::kConvertCmdToolTip));
    const WindowLayout::Rectangle& geometry = WindowLayout::kConvertCmdGeometry;
    ConvertCmd_->setGeometry(geometry.left, geometry.top, geometry.width, geometry.height);
    // The only control: it takes the focus and answers Enter.
    ConvertCmd_->setFocusPolicy(Qt::StrongFocus);
    ConvertCmd_->setDefault(true);
    ConvertCmd_->setFocus();
    connect(ConvertCmd_, &QPushButton::clicked, this, &KestrelConversion::ConvertCmd_Click);

    // In a context menu rather than a menu bar, so that the window keeps its
    // layout; the title bar's menu belongs to the window manager.
    const AdifForm form = WindowSettings::LoadForm(settings);
    command_.ChooseForm(form);
    StandardAdif3_->setObjectName(FromLayout(WindowLayout::kStandardAdif3Name));
    StandardAdif3_->setText(FromLayout(WindowLayout::kStandardAdif3Caption));
    StandardAdif3_->setCheckable(true);
    StandardAdif3_->setChecked(form == AdifForm::Standard);
    connect(StandardAdif3_, &QAction::toggled, this, &KestrelConversion::StandardAdif3_Toggled);
    addAction(StandardAdif3_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QIcon KestrelConversion::ApplicationIcon()
{
    QIcon icon;
    for (const int size : WindowLayout::kIconSizes)
        icon.addFile(QStringLiteral(":/icons/kestreltoadif-%1.png").arg(size), QSize(size, size));
    return icon;
}

std::optional<std::string> KestrelConversion::DroppedLog(const QMimeData* mimeData)
{
    if (mimeData == nullptr || !mimeData->hasUrls())
        return std::nullopt;
    const QList<QUrl> urls = mimeData->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return std::nullopt;
    const QString path = urls.constFirst().toLocalFile();
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return Platform::PathFromQString(path);
}

template <class Body> void KestrelConversion::RunExclusively(Body&& conversion)
{
    if (converting_)
        return;
    const ConvertingScope scope(converting_);
    // The form stays the one the conversion started with.
    StandardAdif3_->setEnabled(false);
    conversion();
    StandardAdif3_->setEnabled(true);
}

void KestrelConversion::ConvertCmd_Click()
{
    RunExclusively([this] { command_.ConvertCmd_Click(); });
}

void KestrelConversion::ConvertDroppedLog(const std::string& logPath)
{
    RunExclusively([&] { command_.ConvertChosenLog(logPath); });
}

void KestrelConversion::StandardAdif3_Toggled(bool checked)
{
    const AdifForm form = checked ? AdifForm::Standard : AdifForm::Classic;
    command_.ChooseForm(form);
    // A choice that cannot be stored still holds while the window is open.
    Common::ReportFailures("KestrelConversion.StandardAdif3_Toggled",
                           [&] { WindowSettings::SaveForm(settings_, form); });
}

void KestrelConversion::keyPressEvent(QKeyEvent* event)
{
    // Shift+F10 opens the context menu as the Menu key does: Qt makes a
    // context menu event of the Menu key only.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint where = ConvertCmd_->geometry().center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, where, mapToGlobal(where));
        QCoreApplication::sendEvent(this, &menuEvent);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void KestrelConversion::dragEnterEvent(QDragEnterEvent* event)
{
    if (!converting_ && DroppedLog(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void KestrelConversion::dragMoveEvent(QDragMoveEvent* event)
{
    if (!converting_ && DroppedLog(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void KestrelConversion::dropEvent(QDropEvent* event)
{
    const std::optional<std::string> logPath = DroppedLog(event->mimeData());
    if (converting_ || !logPath) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Converted once the drop is over, so that the program the file came from
    // is not held up by the conversion's message boxes.
    QMetaObject::invokeMethod(
        this, [this, path = *logPath] { ConvertDroppedLog(path); }, Qt::QueuedConnection);
}

} // namespace Conversion
