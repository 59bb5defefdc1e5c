#pragma once
// The drive list, folder list, file list and filter list of a file chooser, kept in step.
// Listing is synchronous, so a chooser always shows the folder as it is when it is shown.
#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace lumora {

class FolderBrowser : public QObject {
  Q_OBJECT

 public:
  FolderBrowser(QComboBox* drives, QListWidget* folders, QListWidget* files, QComboBox* filters, QObject* parent);

  /// Fills the drive list with the mounted file systems a chooser may offer.
  void ListDrives();
  /// Replaces the filters; each is "description|mask[;mask]".
  void SetFilters(const QStringList& filters);
  /// Shows a folder (the working folder when it does not exist) and lists its files.
  void SetDirectory(const QString& path);
  QString Directory() const { return directory_; }
  /// Lists the folder's files again with the chosen filter.
  void RereadFiles();
  /// The file names listed now, in order.
  QStringList FileNames() const;

 signals:
  void FolderClicked();
  void FileClicked(const QString& name);
  void FileActivated(const QString& name);

 private:
  void ListFolders();
  void FolderActivated(QListWidgetItem* item);

  QComboBox* drives_;
  QListWidget* folders_;
  QListWidget* files_;
  QComboBox* filters_;
  QString directory_;
};

}  // namespace lumora
