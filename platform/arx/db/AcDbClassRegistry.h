// Makes the run-time classes of every database class known by name and by DXF record name,
// for the DXF reader and the host's class dictionary.
#pragma once

void acdbRegisterDatabaseClasses();
