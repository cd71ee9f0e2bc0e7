// Status codes returned by the platform's functions, with the platform's numbers,
// so that code comparing a status with a literal number reads the same as on the host.
#pragma once

namespace Acad {

enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet = 1,
    eNotApplicable = 2,
    eInvalidInput = 3,
    eOutOfMemory = 6,
    eNullObjectPointer = 15,
    eNullObjectId = 16,
    eKeyNotFound = 22,
    eDuplicateKey = 23,
    eInvalidIndex = 24,
    eAlreadyInDb = 26,
    eInvalidSymbolTableName = 32,
    eWrongObjectType = 34,
    eNotOpenForRead = 44,
    eNotOpenForWrite = 45,
    eNotThatKindOfClass = 46,
    eWasErased = 80,
    eWasOpenForRead = 82,
    eWasOpenForWrite = 83,
    eWasOpenForUndo = 84,
    eWasNotifying = 85,
    eWasOpenForNotify = 86,
    eAtMaxReaders = 90,
    eNotAnEntity = 93,
    eHadMultipleReaders = 94,
    eDuplicateRecordName = 95,
    eSelfReference = 97,
    eWasNotOpenForWrite = 100,
    eNoDatabase = 124,
    eNotInDatabase = 137,
    eGeneralModelingFailure = 150,
    eDegenerateGeometry = 153,
    ePointNotOnEntity = 155,
    eInvalidOffset = 157,
    eLockViolation = 320,
};

} // namespace Acad
