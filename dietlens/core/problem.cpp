#include "dietlens/core/problem.h"

Problem dietlensProblem(const LanguageFileProblem& problem)
{
    switch (problem.kind) {
    case LanguageFileProblem::Kind::NotLoaded:
        return {ProblemKind::LanguageFileNotLoaded, problem.path};
    case LanguageFileProblem::Kind::NotSaved:
        return {ProblemKind::LanguageFileNotSaved, problem.path};
    case LanguageFileProblem::Kind::VersionNotRead:
        break;
    }
    return {ProblemKind::LanguageVersionNotRead, problem.path};
}
