#include "platform/ui/QtPlatform.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/FileIO.h"
#include "platform/ui/QtText.h"
#include "platform/HelpFile.h"

namespace ked {

QUrl ShellUrl(const std::string& pathOrAddress) {
  QString target = Q(pathOrAddress);
  const bool address = target.startsWith("http:", Qt::CaseInsensitive) ||
                       target.startsWith("https:", Qt::CaseInsensitive) ||
                       target.startsWith("mailto:", Qt::CaseInsensitive);
  if (!address) return QUrl::fromLocalFile(target);
  if (!target.startsWith("mailto:", Qt::CaseInsensitive)) target.replace('\\', '/');
  return QUrl(target, QUrl::TolerantMode);
}

bool QtPlatform::ShellOpen(const std::string& pathOrAddress) {
  return QDesktopServices::openUrl(ShellUrl(pathOrAddress));
}

MessageButton QtPlatform::MessageBox(MessageKind kind, const std::string& text,
                                     MessageButtons buttons) {
  QMessageBox box;
  box.setWindowTitle(MessageKindTitle(kind));
  box.setText(DisplayText(text));
  switch (kind) {
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
    case MessageKind::Confirmation: box.setIcon(QMessageBox::Question); break;
  }
  struct Choice { MessageButton button; QMessageBox::ButtonRole role; };
  const Choice order[] = {{BtnYes, QMessageBox::YesRole}, {BtnNo, QMessageBox::NoRole},
                          {BtnOk, QMessageBox::AcceptRole}, {BtnCancel, QMessageBox::RejectRole}};
  std::vector<std::pair<QAbstractButton*, MessageButton>> added;
  for (const Choice& c : order) {
    if (!(buttons & c.button)) continue;
    added.emplace_back(box.addButton(MessageButtonCaption(c.button), c.role), c.button);
  }
  if (added.empty()) added.emplace_back(box.addButton("OK", QMessageBox::AcceptRole), BtnOk);
  box.exec();
  for (auto& [qbutton, button] : added)
    if (box.clickedButton() == qbutton) return button;
  // Closed without a button: the box's cancel answer.
  if (buttons & BtnCancel) return BtnCancel;
  if (buttons & BtnNo) return BtnNo;
  return added.front().second;
}

void QtPlatform::ShowMessage(const std::string& text) {
  QMessageBox box;
  box.setWindowTitle(kApplicationTitle);
  box.setText(DisplayText(text));
  box.addButton("OK", QMessageBox::AcceptRole);
  box.exec();
}

std::optional<std::string> QtPlatform::OpenFileDialog(const FileDialogRequest& r) {
  QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), Q(r.title),
                                              Q(r.initialDirectory), Q(r.filter));
  if (path.isEmpty()) return std::nullopt;
  return S(path);
}

std::optional<std::string> QtPlatform::SaveFileDialog(const FileDialogRequest& r) {
  // A proposed name that is already a full path stands on its own.
  const bool fullPath = !r.fileName.empty() && r.fileName.front() == '/';
  QString start = Q(fullPath ? r.fileName : JoinPath(r.initialDirectory, r.fileName));
  QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), Q(r.title), start,
                                              Q(r.filter));
  if (path.isEmpty()) return std::nullopt;
  if (!r.defaultExtension.empty() && QFileInfo(path).suffix().isEmpty())
    path += "." + Q(r.defaultExtension);
  return S(path);
}

std::string QtPlatform::DocumentsFolder() {
  return S(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void QtPlatform::ProcessPendingEvents() { QCoreApplication::processEvents(); }

bool QtPlatform::RequestPowerOff() {
  QDBusInterface logind("org.freedesktop.login1", "/org/freedesktop/login1",
                        "org.freedesktop.login1.Manager", QDBusConnection::systemBus());
  if (!logind.isValid()) return false;
  QDBusMessage reply = logind.call("PowerOff", false);
  return reply.type() != QDBusMessage::ErrorMessage;
}

void QtPlatform::ShowHelp(const std::string& helpFile, int helpNumber) {
  auto content = ReadFileBytes(helpFile);
  auto page = content ? FindHelpPage(*content, helpNumber) : std::nullopt;
  QDialog dialog(QApplication::activeWindow());
  dialog.setObjectName("HelpWindow");
  dialog.setWindowTitle(page ? "Aide - " + Q(page->title) : QString("Aide"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* text = new QTextBrowser(&dialog);
  text->setOpenExternalLinks(true);
  if (page) text->setHtml(Q(page->body));
  else text->setPlainText("Le fichier d'aide " + Q(helpFile) + " est manquant.");
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  buttons->button(QDialogButtonBox::Close)->setText("Fermer");
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(560, 420);
  dialog.exec();
}

void QtPlatform::ShowReportPreview(const ReportDocument& document) {
  if (previewWindow) previewWindow(document);
}

void QtPlatform::EditReportTemplate(const std::string& templatePath) {
  if (designerWindow) designerWindow(templatePath);
}

int QtPlatform::Today() { return static_cast<int>(QDate(1899, 12, 30).daysTo(QDate::currentDate())); }

}  // namespace ked
