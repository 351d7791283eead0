"""Translate Toolkit's html2po + po2html inside one process, per page: the best of three times in
seconds, or "refused" when it cannot read the page. Run with Debian's /usr/bin/python3."""
import io
import sys
import time

from translate.convert import html2po, po2html


def round_trip(page):
    start = time.perf_counter()
    po = io.BytesIO()
    with open(page, "rb") as source:
        html2po.converthtml(source, po, None)
    out = io.BytesIO()
    with open(page, "rb") as template:
        po2html.converthtml(io.BytesIO(po.getvalue()), out, template)
    return time.perf_counter() - start


for page in sys.argv[1:]:
    try:
        print(page, min(round_trip(page) for _ in range(3)))
    except Exception as error:  # the toolkit's parser refuses pages that browsers read
        print(page, "refused", str(error).splitlines()[0][:60].replace(" ", "_"))
