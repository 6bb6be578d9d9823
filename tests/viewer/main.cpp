#include <QApplication>

int runPosixFileReaderTests(int argc, char **argv);
int runViewerTextTests(int argc, char **argv);
int runFrmViewTests(int argc, char **argv);
int runHelpCommandTests(int argc, char **argv);

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (auto run :
         {runPosixFileReaderTests, runViewerTextTests, runFrmViewTests, runHelpCommandTests})
        failed += run(argc, argv);
    return failed;
}
