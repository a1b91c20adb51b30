// Worksheets from the command line: the built program makes 25 pupil copies and the model
// of a 10-sentence correction sheet into a PDF file, start-up and exit included. Reports
// the median of a few runs in milliseconds.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

int main(int argc, char *argv[])
{
    QCoreApplication aplikace(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString program = QStringLiteral(ORTANEL_BUILD_DIR "/ortanel-verbano2");
    const QStringList argumenty = {
        "--pracovny-list",        "7_3", "--druh", "oprava", "--pocet", "10", "--kopie", "25", "--vystup",
        dir.filePath("listy.pdf")};
    QList<double> casy;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.start(program, argumenty);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            out << "the program failed: " << p.readAllStandardError() << Qt::endl;
            return 1;
        }
        casy.append(t.nsecsElapsed() / 1e6);
        out << "run " << i + 1 << ": " << casy.last() << " ms" << Qt::endl;
    }
    std::sort(casy.begin(), casy.end());
    out << "#zmereno listy.ms " << casy[casy.size() / 2] << Qt::endl;
    return 0;
}
