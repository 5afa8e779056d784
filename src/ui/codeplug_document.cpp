#include "ui/codeplug_document.h"

#include <QFile>

namespace pl63::ui {

QString CodeplugDocument::filePath() const {
    return QFile::decodeName(edited_.filePath().c_str());
}

void CodeplugDocument::change(const StepName& name, const Edit& edit) {
    if (edited_.change(name, edit)) emit stateChanged();
}

void CodeplugDocument::changeOngoing(const StepName& name, const Edit& edit) {
    if (edited_.changeOngoing(name, edit)) emit stateChanged();
}

void CodeplugDocument::replace(const StepName& name, const Edit& edit, const QString& file) {
    edited_.replace(name, edit, QFile::encodeName(file).toStdString());
    emit stateChanged();
    emit replaced();
}

void CodeplugDocument::translate(Language language) {
    edited_.translate(language);
    emit stateChanged();
}

void CodeplugDocument::markSaved(const QString& file) {
    edited_.markSaved(QFile::encodeName(file).toStdString());
    emit stateChanged();
}

void CodeplugDocument::markWritten(const Codeplug& sent) {
    edited_.markWritten(sent);
    emit stateChanged();
}

void CodeplugDocument::startOver() {
    edited_.startOver();
    emit stateChanged();
}

void CodeplugDocument::undo() {
    if (!edited_.undo()) return;
    emit stateChanged();
    emit replaced();
}

void CodeplugDocument::redo() {
    if (!edited_.redo()) return;
    emit stateChanged();
    emit replaced();
}

}  // namespace pl63::ui
