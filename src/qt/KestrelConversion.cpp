#include "KestrelConversion.h"

#include "ApplicationIdentity.h"
#include "ConvertingScope.h"
#include "QtPathText.h"
#include "WindowLayout.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
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
      command_(fileSelector, messages, settings), ConvertCmd_(new QPushButton(this))
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

void KestrelConversion::ConvertCmd_Click()
{
    if (converting_)
        return;
    const ConvertingScope scope(converting_);
    command_.ConvertCmd_Click();
}

void KestrelConversion::ConvertDroppedLog(const std::string& logPath)
{
    if (converting_)
        return;
    const ConvertingScope scope(converting_);
    command_.ConvertChosenLog(logPath);
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
