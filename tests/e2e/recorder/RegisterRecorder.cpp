// register_recorder RECORDER.EXE: registers the recorder in the registry of
// the Wine prefix it runs in, for end-to-end scripts that own their prefix.
#include "RecorderRegistration.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: register_recorder RECORDER.EXE\n");
        return 2;
    }
    try {
        recorder::RegisterRecorder(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "register_recorder: %s\n", error.what());
        return 1;
    }
    return 0;
}
