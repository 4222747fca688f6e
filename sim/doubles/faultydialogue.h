#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A whole visit to a modem whose answers are spoiled as a recipe of bytes
// says: search and login, a read, and when the read succeeds a write of a
// setup that differs in every setting. The dialogue fuzzer and the suite's
// replay of its corpus both run it and check the same properties.
struct DialogueOutcome
{
    bool found = false;
    bool readOk = false;
    bool writeOk = false;
    // A fault struck an answer the operation needs (refusal, silence, no
    // final line, dropped line), so it must end in a reported failure.
    bool readBroken = false;
    bool writeBroken = false;
    // Commands that met an answer still going out; the faults are not judged then.
    int overruns = 0;
    qint64 elapsedMs = 0; // virtual time of the whole visit
    qint64 limitMs = 0;   // the most it may take without hanging
    // Broken properties, in words; empty when the visit behaved.
    QStringList violations;
};

DialogueOutcome runFaultyDialogue(const QByteArray &recipe);
