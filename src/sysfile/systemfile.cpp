#include "sysfile/systemfile.h"

SystemFileOutcome WriteSystemFile()
{
    return {false, QStringLiteral("Systemet kan ännu inte sparas i denna version av programmet.")};
}

SystemFileOutcome ReadSystemFile()
{
    return {false, QStringLiteral("Systemet kan ännu inte hämtas in i denna version av programmet.")};
}
