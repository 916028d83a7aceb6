#pragma once

struct MDRIVER;
class CSoundOutput;

// The output driver that libmikmod mixes through: it writes the library's
// software mix into the music ring, half by half, from MikMod_Update on the
// main thread. libmikmod allows one driver state per program, so the output
// is bound here globally.
class CMikModDriver
{
public:
    static MDRIVER* GetRecord();

    // The output whose ring is written; null makes the driver report
    // itself absent.
    static void Bind(CSoundOutput* output);
    static CSoundOutput* GetBound();

private:
    static int IsPresent();
    static int Init();
    static void Exit();
    static int Reset();
    static int PlayStart();
    static void PlayStop();
    static void Update();
};
