#include <QApplication>
#include <csignal>
#include <filesystem>

#include "app/trabeo_app.h"

int main(int argc, char** argv) {
  // Past a file-size limit a save then fails and is reported, the old file kept, instead of the
  // program ending with its temporary file left behind.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication application(argc, argv);
  TrabeoApplication trabeo({std::filesystem::current_path(), nullptr});
  trabeo.start();
  return application.exec();
}
