#include "mainwindow/qt/application.h"

int main(int argc, char** argv) { return kairotex::RunWindowProgram(argc, argv); }
