#include <QApplication>
#include <filesystem>

#include "app/trabeo_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TrabeoApplication trabeo({std::filesystem::current_path(), nullptr});
  trabeo.start();
  return application.exec();
}
