#include "skin/file/tcSkinPacker.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

QString tcSkinPacker::program_name() {
#ifdef Q_OS_WIN
  return "Tessellor.exe";
#else
  return "Tessellor";
#endif
}

QString tcSkinPacker::program_path() {
  const QFileInfo tool(QDir::current().absoluteFilePath(program_name()));
  return tool.isFile() ? tool.absoluteFilePath() : QString();
}

int tcSkinPacker::pack(const QString& skin_folder, const QString& skin_file) {
  const QString program = program_path();
  if (program.isEmpty()) return -1;

  const QString folder = QFileInfo(skin_folder).absoluteFilePath();
  QStringList args = {"-p", "-d", folder};
  QDir images(folder);
  if (images.cdUp() && images.cdUp() && images.cd("skin_images"))
    args << "-i" << images.absolutePath();
  args << "-f" << QFileInfo(skin_file).absoluteFilePath();

  QProcess tool;
  tool.setStandardOutputFile(QDir::current().absoluteFilePath("tessellor_results.txt"));
  tool.start(program, args);
  if (!tool.waitForStarted(kStartWaitMs)) return -1;
  if (!tool.waitForFinished(kFinishWaitMs)) {
    tool.kill();
    tool.waitForFinished();
    return -1;
  }
  return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0 ? 0 : -1;
}
