#include "shell/folder_browser.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QStorageInfo>
#include <QStyle>

#include "shell/drive_rules.h"

namespace lumora {

namespace {

constexpr int kPathRole = Qt::UserRole;

bool IsRemovableDevice(const QByteArray& device) {
  // /dev/sdb1 -> /sys/block/sdb/removable
  QString name = QFileInfo(QString::fromLocal8Bit(device)).fileName();
  while (!name.isEmpty() && name.back().isDigit() && !QFile::exists("/sys/block/" + name)) name.chop(1);
  if (name.endsWith('p') && !QFile::exists("/sys/block/" + name)) name.chop(1);  // nvme0n1p1
  QFile flag("/sys/block/" + name + "/removable");
  return flag.open(QIODevice::ReadOnly) && flag.readAll().trimmed() == "1";
}

QStringList MasksOf(const QString& masks) { return masks.split(';', Qt::SkipEmptyParts); }

}  // namespace

FolderBrowser::FolderBrowser(QComboBox* drives, QListWidget* folders, QListWidget* files, QComboBox* filters,
                             QObject* parent)
    : QObject(parent), drives_(drives), folders_(folders), files_(files), filters_(filters) {
  connect(drives_, &QComboBox::activated, this,
          [this](int index) { SetDirectory(drives_->itemData(index, kPathRole).toString()); });
  connect(folders_, &QListWidget::itemClicked, this, [this] { emit FolderClicked(); });
  connect(folders_, &QListWidget::itemActivated, this, &FolderBrowser::FolderActivated);
  connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit FileClicked(item->text()); });
  connect(files_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit FileActivated(item->text()); });
  connect(filters_, &QComboBox::activated, this, &FolderBrowser::RereadFiles);
}

void FolderBrowser::ListDrives() {
  drives_->clear();
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QByteArray device = volume.device();
    const QByteArray type = volume.fileSystemType();
    const DriveFacts facts{std::string_view(device.constData(), static_cast<std::size_t>(device.size())),
                           std::string_view(type.constData(), static_cast<std::size_t>(type.size())),
                           IsRemovableDevice(device)};
    if (!IsChooserDrive(facts)) continue;
    drives_->addItem(volume.rootPath() + "  [" + volume.displayName() + "]");
    drives_->setItemData(drives_->count() - 1, volume.rootPath(), kPathRole);
  }
}

void FolderBrowser::SetFilters(const QStringList& filters) {
  filters_->clear();
  // The list shows each filter's description and keeps its masks behind it.
  for (const QString& filter : filters) filters_->addItem(filter.section('|', 0, 0), filter.section('|', 1));
  RereadFiles();
}

void FolderBrowser::SetDirectory(const QString& path) {
  QDir dir(path);
  if (path.isEmpty() || !dir.exists()) dir = QDir::current();
  directory_ = dir.absolutePath();
  const QString root = QStorageInfo(directory_).rootPath();
  for (int i = 0; i < drives_->count(); ++i) {
    if (drives_->itemData(i, kPathRole).toString() == root) drives_->setCurrentIndex(i);
  }
  ListFolders();
  RereadFiles();
}

void FolderBrowser::ListFolders() {
  folders_->clear();
  // The folders from the root down to the current one, then the current one's subfolders.
  QStringList chain;
  for (QDir dir(directory_);; dir.cdUp()) {
    chain.prepend(dir.absolutePath());
    if (dir.isRoot()) break;
  }
  const QIcon openIcon = folders_->style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closedIcon = folders_->style()->standardIcon(QStyle::SP_DirClosedIcon);
  int depth = 0;
  for (const QString& folder : chain) {
    const QString name = depth == 0 ? folder : QFileInfo(folder).fileName();
    auto* item = new QListWidgetItem(openIcon, QString(depth * 2, ' ') + name, folders_);
    item->setData(kPathRole, folder);
    ++depth;
  }
  folders_->setCurrentRow(folders_->count() - 1);
  const QDir current(directory_);
  for (const QString& sub : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    auto* item = new QListWidgetItem(closedIcon, QString(depth * 2, ' ') + sub, folders_);
    item->setData(kPathRole, current.filePath(sub));
  }
}

void FolderBrowser::FolderActivated(QListWidgetItem* item) { SetDirectory(item->data(kPathRole).toString()); }

void FolderBrowser::RereadFiles() {
  files_->clear();
  if (directory_.isEmpty()) return;
  QDir dir(directory_);
  dir.setNameFilters(MasksOf(filters_->currentData().toString()));
  dir.setFilter(QDir::Files);
  dir.setSorting(QDir::Name | QDir::IgnoreCase);
  files_->addItems(dir.entryList());
}

QStringList FolderBrowser::FileNames() const {
  QStringList names;
  for (int i = 0; i < files_->count(); ++i) names << files_->item(i)->text();
  return names;
}

}  // namespace lumora
