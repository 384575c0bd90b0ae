#include "qt/QtMessageBoxes.h"

#include "common/ApplicationIdentity.h"
#include "qt/QtPathText.h"

#include <QApplication>
#include <QMessageBox>

namespace Platform {

namespace {

using Conversion::Answer;
using Conversion::MessageKind;

// Runs one modal box and returns the button that closed it.
int RunBox(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton defaultButton, QMessageBox::StandardButton escapeButton)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(Common::Identity().productName),
                    text, buttons, parent);
    // A record may hold "<"; it must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escapeButton);
    return box.exec();
}

} // namespace

QString QtMessageBoxes::DisplayText(MessageKind kind, const std::string& text)
{
    // The sized overload, since a record may hold NUL bytes.
    if (kind == MessageKind::IllegalYear)
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return PathToQString(text);
}

QWidget* QtMessageBoxes::Parent() const
{
    return parent_ ? parent_.data() : QApplication::activeWindow();
}

void QtMessageBoxes::ShowMessage(MessageKind kind, const std::string& text)
{
    RunBox(Parent(), DisplayText(kind, text), QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok);
}

Answer QtMessageBoxes::AskYesNoCancel(const std::string& text)
{
    // Closing the box any other way than Yes or No leaves everything as it is.
    switch (RunBox(Parent(), PathToQString(text),
                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
                   QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace Platform
