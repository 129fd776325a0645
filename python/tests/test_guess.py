"""The guess: the C library's own, and how decode_listing takes it."""

import ctypes
from pathlib import Path

import pytest

import qordahosts
from conftest import ROOT

LISTINGS = sorted((ROOT / "examples" / "listings").glob("*.txt"))


@pytest.fixture(scope="session")
def guess_with_c(request):
    """guess(data) -> (host type, verdict, candidate ids) through QORDA_GuessHostType."""
    path = request.config.getoption("--libqordahosts")
    if not path:
        pytest.skip("needs --libqordahosts PATH")
    function = ctypes.CDLL(str(Path(path).with_name("libqordahosts_guess.so"))).QORDA_GuessHostType
    words = 7 + 65 * 6  # the result's header, 64 candidates and the current type's

    def guess(data):
        result = (ctypes.c_int32 * words)()
        function(data, ctypes.c_size_t(len(data)), ctypes.c_int32(6000), result)
        return result[0], result[1], result[7 : 7 + 6 * result[6] : 6]

    return guess


@pytest.mark.parametrize("listing", LISTINGS, ids=lambda path: path.name)
def test_listing_guessed_as_c_guesses_it_and_decoded_alike_from_bytes_and_lines(listing, guess_with_c):
    data = listing.read_bytes()
    guess = qordahosts.guess_host_type(data)
    verdicts = ("none", "names only", "close", "clear")
    best, verdict, candidates = guess_with_c(data)
    assert (guess.host_type, guess.verdict, [c.host_type for c in guess]) == (
        best, verdicts[verdict], candidates)
    from_bytes = qordahosts.decode_listing(data)
    from_lines = qordahosts.decode_listing(iter(data.splitlines(keepends=True)))
    assert (from_lines.host_type, from_lines.chosen_by) == (from_bytes.host_type, from_bytes.chosen_by)
    assert from_bytes.chosen_by == ("guessed" if verdict else "auto")
    assert list(from_lines) == list(from_bytes)


def test_guess_leaves_the_listing_state_alone():
    # AS/400 member lines take the date of the line before them.
    as400 = (ROOT / "examples" / "listings" / "as400.txt").read_bytes()
    before = list(qordahosts.decode_listing(as400, qordahosts.HostType.IBM_AS_400))
    qordahosts.guess_host_type(as400[as400.index(b"\n") + 1 :])
    assert list(qordahosts.decode_listing(as400, qordahosts.HostType.IBM_AS_400)) == before


@pytest.mark.parametrize("lines, error", [(42, TypeError), ([b"a", 7], TypeError), ("x", None), (b"", None)])
def test_guess_of_bad_or_empty_input(lines, error):
    if error:
        with pytest.raises(error, match="guess_host_type"):
            qordahosts.guess_host_type(lines)
    else:
        assert qordahosts.guess_host_type(lines).host_type in (qordahosts.HostType.AUTO, 5995)
