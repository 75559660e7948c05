// The one check for names that people give to classes and papers.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace store {

/// What a class or paper name becomes a part of decides what it may hold: it is
/// a folder or file name on Windows and Linux, a key or a section of profile files,
/// and, for papers, a key of the roster's paper list.
enum class NameKind { Class, Paper };

enum class NameProblem {
    None,
    Empty,
    Blanks, ///< blanks at the start or the end
    TooLong,
    Separator,  ///< "/" or "\"
    DotDot,     ///< ".." or a name of dots only
    Bracket,    ///< "[" or "]"
    EqualsSign, ///< "="
    Semicolon,  ///< ";" at the start would read as a comment
    ControlCharacter,
    FileNameCharacter, ///< a character Windows refuses in file names: < > : " | ? *
    TrailingDot,       ///< Windows drops a dot at the end of a file name
    DeviceName,        ///< CON, PRN, AUX, NUL, COM1..9, LPT1..9
    Number,            ///< a paper name that is a decimal number (a key of the paper list)
    ReservedName,      ///< a fixed key or section name of the roster
    ProfileSuffix, ///< a paper name holding ".cho": the paper's file name would not give it back
};

struct NameCheck
{
    NameProblem problem = NameProblem::None;
    /// A sentence for the person who typed the name; empty when the name is fine.
    QString reason;
    bool ok() const { return problem == NameProblem::None; }
};

/// Checks a name as typed (before trimming: blanks around it are a problem to report,
/// because they would be lost on the way through the files).
NameCheck checkName(const QString &name, NameKind kind);

/// The longest name accepted.
inline constexpr qsizetype maxNameLength = 64;

} // namespace store
