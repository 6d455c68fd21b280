#include "inistore/linefile.h"

#include "inistore/inifile.h"

#include <cstring>
#include <new>

struct LineFile {
    std::FILE *file = nullptr;
    const char *data = nullptr;
    size_t dataSize = 0;
    size_t dataPos = 0;
    char chunk[kLineFileChunkSize];
    size_t chunkLength = 0;
    size_t chunkPos = 0;
    bool started = false;
    bool failed = false;
};

constexpr int kEndOfInput = -1;
constexpr int kReadFailed = -2;

LineFile *LineFile_New(std::FILE *file)
{
    LineFile *lineFile = new (std::nothrow) LineFile;
    if (lineFile != nullptr)
        lineFile->file = file;
    return lineFile;
}

LineFile *LineFile_NewFromMemory(const char *data, size_t size)
{
    LineFile *lineFile = new (std::nothrow) LineFile;
    if (lineFile != nullptr) {
        lineFile->data = data;
        lineFile->dataSize = data == nullptr ? 0 : size;
    }
    return lineFile;
}

void LineFile_Dispose(LineFile *lineFile)
{
    delete lineFile;
}

static size_t ReadChunk(LineFile *lf)
{
    if (lf->file != nullptr) {
        const size_t got = std::fread(lf->chunk, 1, kLineFileChunkSize, lf->file);
        if (got == 0 && std::ferror(lf->file))
            lf->failed = true;
        return got;
    }
    size_t count = lf->dataSize - lf->dataPos;
    if (count > kLineFileChunkSize)
        count = kLineFileChunkSize;
    std::memcpy(lf->chunk, lf->data + lf->dataPos, count);
    lf->dataPos += count;
    return count;
}

static void SkipByteOrderMark(LineFile *lf)
{
    static const char kBom[] = "\xEF\xBB\xBF";
    if (lf->chunkLength >= 3 && std::memcmp(lf->chunk, kBom, 3) == 0)
        lf->chunkPos = 3;
}

// True when a byte is waiting in the chunk, refilling it if needed.
static bool FillChunk(LineFile *lf)
{
    if (lf->chunkPos < lf->chunkLength)
        return true;
    if (lf->failed)
        return false;
    lf->chunkLength = ReadChunk(lf);
    lf->chunkPos = 0;
    if (!lf->started) {
        lf->started = true;
        SkipByteOrderMark(lf);
    }
    return lf->chunkPos < lf->chunkLength;
}

static int PeekByte(LineFile *lf)
{
    if (!FillChunk(lf))
        return lf->failed ? kReadFailed : kEndOfInput;
    return static_cast<unsigned char>(lf->chunk[lf->chunkPos]);
}

static int NextByte(LineFile *lf)
{
    const int c = PeekByte(lf);
    if (c >= 0)
        ++lf->chunkPos;
    return c;
}

// After CR or LF: the other one of the pair belongs to the same line end.
static int SkipPairedLineEnd(LineFile *lf, int first)
{
    const int partner = first == '\r' ? '\n' : '\r';
    const int next = PeekByte(lf);
    if (next == kReadFailed)
        return INI_ERR_READ;
    if (next == partner)
        ++lf->chunkPos;
    return 1;
}

int LineFile_Read(LineFile *lineFile, std::string *line)
{
    line->clear();
    int c = NextByte(lineFile);
    if (c == kEndOfInput)
        return 0;
    while (c != kEndOfInput) {
        if (c == kReadFailed)
            return INI_ERR_READ;
        if (c == '\r' || c == '\n')
            return SkipPairedLineEnd(lineFile, c);
        if (c == '\0')
            return 1;
        if (line->size() < static_cast<size_t>(kIniMaxLineLength))
            line->push_back(static_cast<char>(c));
        c = NextByte(lineFile);
    }
    return 1;
}
