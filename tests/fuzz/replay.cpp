// Runs a fuzz target over the inputs kept with the tests (the seed corpus
// and every finding that became a regression), so the ordinary test run
// repeats them without a fuzzing compiler.
#include <QDirIterator>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[])
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        for (QDirIterator files(QString::fromLocal8Bit(argv[i]), QDir::Files,
                                QDirIterator::Subdirectories);
             files.hasNext(); ++inputs) {
            QFile file(files.next());
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                   std::size_t(bytes.size()));
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
