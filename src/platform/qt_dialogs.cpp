// The system dialogs on Qt: message boxes, the open-file requester and the
// font chooser.
#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QStringList>

#include "platform/dialogs.h"
#include "platform/qt_text.h"

namespace qm::platform {

namespace {

// "JPEG |*.jpg| TIFF |*.tiff ; *.tif" -> "JPEG (*.jpg);;TIFF (*.tiff *.tif)"
QString QtFilter(const std::string& filter) {
    QStringList parts = ToQt(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << QString("%1 (%2)").arg(parts[i].trimmed(), patterns.simplified());
    }
    return out.join(";;");
}

class QtDialogs final : public Dialogs {
public:
    MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageButtons buttons) override {
        QString body = ToQt(text);
        body.replace('\r', '\n');
        if (buttons == MessageButtons::Ok) {
            QMessageBox::information(QApplication::activeWindow(), ToQt(title), body);
            return MessageAnswer::Ok;
        }
        auto answer = QMessageBox::question(QApplication::activeWindow(), ToQt(title), body,
                                            QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }

    std::optional<std::string> RequestFile(const FileRequest& request) override {
        QFileDialog dialog(QApplication::activeWindow(), ToQt(request.title), ToQt(request.startFolder),
                           QtFilter(request.filter));
        dialog.setFileMode(request.mayNotExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if (!request.fileName.empty()) dialog.selectFile(ToQt(request.fileName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return FromQt(dialog.selectedFiles().front());
    }

    std::optional<FontChoice> ChooseFont(const FontChoice& current) override {
        QFont initial(ToQt(current.face));
        if (current.points > 0) initial.setPointSize(current.points);
        initial.setBold((current.styleBits & 256) != 0);
        initial.setItalic((current.styleBits & 512) != 0);
        bool ok = false;
        QFont font = QFontDialog::getFont(&ok, initial, QApplication::activeWindow());
        if (!ok) return std::nullopt;
        return FontChoice{FromQt(font.family()), font.pointSize(), (font.bold() ? 256 : 0) | (font.italic() ? 512 : 0)};
    }
};

}  // namespace

Dialogs& WindowSystemDialogs() {
    static QtDialogs dialogs;
    return dialogs;
}

}  // namespace qm::platform
