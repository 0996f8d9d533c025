#!/usr/bin/env python3
"""How well the food server's search finds what people mean: judged queries against the server,
with SQLite FTS5 (porter stemmer, bm25) and, when the xapian module imports, Xapian (BM25,
English stemmer, spelling correction) on the same names as anchors.

Usage: relevance.py [--build DIR] [--verbose] [QUERIES.tsv ...]
  default build dir build/, default query file bench/foodserver/queries.tsv.
Query files: tab separated, one header line, columns table, query, regex, note. A query's rank
is the position (1-based) of the first returned name that re.search(regex, name, re.I) accepts.
A benchmark, not a test: it prints figures and fails only when a server does not start.
"""
import argparse
import datetime
import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.parse
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
LIMIT = 200  # the server's cap on rows per search


def read_queries(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        next(f, None)  # header
        for line in f:
            line = line.rstrip("\r\n")
            if not line.strip():
                continue
            fields = line.split("\t")
            table, query, regex = fields[:3]
            rows.append((table, query, re.compile(regex, re.IGNORECASE)))
    return rows


def read_names(table):
    with open(os.path.join(ROOT, "data", table + ".tsv"), encoding="utf-8") as f:
        next(f)
        return [line.split("\t", 1)[0] for line in f if line.strip()]


class FoodServer:
    """One foodserver on a new database filled from a bundled table."""

    def __init__(self, binary, table, scratch):
        self.log = os.path.join(scratch, table + ".log")
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen([binary, "--port", "0", "--db", os.path.join(scratch, table + ".db"),
                                             "--dataset", table], stdout=subprocess.DEVNULL, stderr=log)
        self.port = None
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline and self.process.poll() is None:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                found = re.search(r"on http://127\.0\.0\.1:(\d+)/", log.read())
            if found:
                self.port = int(found.group(1))
                return
            time.sleep(0.1)
        self.stop()
        with open(self.log, encoding="utf-8", errors="replace") as log:
            sys.exit("foodserver did not start for %s:\n%s" % (table, log.read()))

    def search(self, query):
        item = urllib.parse.quote(query.encode("cp1252", errors="replace"), safe="")
        url = "http://127.0.0.1:%d/modules/swzoek.php?item=%s" % (self.port, item)
        try:
            with urllib.request.urlopen(url, timeout=30) as reply:
                body = reply.read()
        except urllib.error.HTTPError as error:
            print("warning: %r answered HTTP %d, counted as empty" % (query, error.code), file=sys.stderr)
            return []
        # Records end in 0xBC, fields in 0xBD; field 0 is the name.
        records = [r for r in body.split(b"\xbc") if r]
        return [r.split(b"\xbd", 1)[0].decode("cp1252", errors="replace") for r in records]

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class Fts5:
    def __init__(self, names):
        self.db = sqlite3.connect(":memory:")
        self.db.execute("CREATE VIRTUAL TABLE names USING fts5(name, tokenize='porter unicode61 remove_diacritics 2')")
        self.db.executemany("INSERT INTO names (name) VALUES (?)", ((n,) for n in names))

    def search(self, query):
        words = ['"%s"' % w.replace('"', '""') for w in query.split()]
        if not words:
            return []
        rows = self.db.execute("SELECT name FROM names WHERE names MATCH ? ORDER BY bm25(names) LIMIT ?",
                               (" ".join(words), LIMIT))
        return [name for (name,) in rows]


class Xapian:
    # The in-memory backend keeps no spelling data, hence a database on disk.
    def __init__(self, xapian, names, path):
        self.xapian = xapian
        db = xapian.WritableDatabase(path, xapian.DB_CREATE_OR_OVERWRITE)
        indexer = xapian.TermGenerator()
        indexer.set_stemmer(xapian.Stem("english"))
        indexer.set_stemming_strategy(xapian.TermGenerator.STEM_SOME)
        indexer.set_database(db)
        indexer.set_flags(xapian.TermGenerator.FLAG_SPELLING)
        for name in names:
            doc = xapian.Document()
            doc.set_data(name)
            indexer.set_document(doc)
            indexer.index_text(name)
            db.add_document(doc)
        db.commit()
        self.db = db
        self.parser = xapian.QueryParser()
        self.parser.set_stemmer(xapian.Stem("english"))
        self.parser.set_stemming_strategy(xapian.QueryParser.STEM_SOME)
        self.parser.set_database(db)
        self.parser.set_default_op(xapian.Query.OP_AND)

    def run(self, query):
        flags = self.xapian.QueryParser.FLAG_DEFAULT | self.xapian.QueryParser.FLAG_SPELLING_CORRECTION
        enquire = self.xapian.Enquire(self.db)
        enquire.set_weighting_scheme(self.xapian.BM25Weight())
        enquire.set_query(self.parser.parse_query(query, flags))
        return [m.document.get_data().decode("utf-8") for m in enquire.get_mset(0, LIMIT)]

    def search(self, query):
        names = self.run(query)
        if not names:
            corrected = self.parser.get_corrected_query_string()
            corrected = corrected.decode("utf-8") if isinstance(corrected, bytes) else corrected
            if corrected:
                names = self.run(corrected)
        return names


def rank_of(names, regex):
    """1-based rank of the first matching name, 0 when none matches, None when no rows."""
    if not names:
        return None
    return next((i for i, name in enumerate(names, 1) if regex.search(name)), 0)


def summary_line(table, system, ranks):
    n = len(ranks)
    hit1 = sum(1 for r in ranks if r == 1)
    hit5 = sum(1 for r in ranks if r and r <= 5)
    mrr = sum(1.0 / r for r in ranks if r)
    empty = sum(1 for r in ranks if r is None)
    return "%-11s %-11s %7d %6.2f %6.2f %6.3f %6d" % (table, system, n, hit1 / n, hit5 / n, mrr / n, empty)


def main():
    parser = argparse.ArgumentParser(description="Judged search queries against the food server and anchors.")
    parser.add_argument("--build", default=os.path.join(ROOT, "build"), help="build directory (default build/)")
    parser.add_argument("--verbose", action="store_true", help="one line per query per system")
    parser.add_argument("files", nargs="*", metavar="QUERIES.tsv")
    args = parser.parse_args()
    files = list(dict.fromkeys(args.files)) or [os.path.join(HERE, "queries.tsv")]  # each file once
    binary = os.path.join(args.build, "bin", "foodserver")
    if not os.access(binary, os.X_OK):
        sys.exit("build foodserver first (scripts/build.sh): no %s" % binary)

    missing = [path for path in files if not os.path.isfile(path)]
    if missing:
        sys.exit("no query file %s" % ", ".join(missing))
    queries = {path: read_queries(path) for path in files}
    tables = sorted({table for rows in queries.values() for table, _, _ in rows})
    try:
        import xapian
    except ImportError:
        xapian = None

    built = datetime.datetime.fromtimestamp(os.path.getmtime(binary), datetime.timezone.utc)
    print("== %s, foodserver %s (built %s)" % (datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC"),
                                              os.path.realpath(binary), built.strftime("%Y-%m-%d %H:%M UTC")))
    print("== anchors: sqlite %s fts5 porter bm25; %s" % (
        sqlite3.sqlite_version, "xapian %s bm25 english STEM_SOME, spelling" % xapian.version_string() if xapian
        else "xapian: skipped (module not available)"))

    # ranks[(file, table, system)] = list of ranks in file order
    ranks = {}
    with tempfile.TemporaryDirectory() as scratch:
        for table in tables:
            names = read_names(table)
            systems = []
            server = FoodServer(binary, table, scratch)
            try:
                systems.append(("foodserver", server.search))
                systems.append(("fts5", Fts5(names).search))
                if xapian:
                    systems.append(("xapian", Xapian(xapian, names, os.path.join(scratch, table + ".xapian")).search))
                for path in files:
                    for row_table, query, regex in queries[path]:
                        if row_table != table:
                            continue
                        for system, search in systems:
                            found = search(query)
                            rank = rank_of(found, regex)
                            ranks.setdefault((path, table, system), []).append(rank)
                            if args.verbose:
                                shown = "empty" if rank is None else "-" if rank == 0 else str(rank)
                                print("%-10s %-11s %5s  %-24s %s" % (table, system, shown, query,
                                                                     found[0] if found else ""))
            finally:
                server.stop()

    system_names = ["foodserver", "fts5"] + (["xapian"] if xapian else [])
    for path in files:
        print("\n== %s" % path)
        print("%-11s %-11s %7s %6s %6s %6s %6s" % ("table", "system", "queries", "hit@1", "hit@5", "MRR", "empty"))
        for table in tables:
            for system in system_names:
                if (path, table, system) in ranks:
                    print(summary_line(table, system, ranks[(path, table, system)]))
        for system in system_names:
            together = [r for t in tables for r in ranks.get((path, t, system), [])]
            if together:
                print(summary_line("all", system, together))


if __name__ == "__main__":
    main()
