// The library's record for one host document. Nothing in the system keeps anything per
// document yet; the record exists so that the data manager has something to hold.
#pragma once

struct CDocData {
};
